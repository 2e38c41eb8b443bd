#pragma once
// The person at the computer, as the operations see them: every method is one of the program's
// dialogs. Operations never create windows; they ask through this interface. The Qt front end
// answers with the real dialogs, zelmark-cli from its options, tests from a script.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "link/link_parameters.h"

namespace zel {

// Where a dialog appears: where the platform puts it, or directly below the window that is
// active when it opens (top = that window's top + its height).
enum class Placement { Default, BelowActive };

// Which progress window opens: a wait the device imposes, or the port test of the link
// parameters dialog (its own window, with the busy cursor while it is open).
enum class ProgressKind { Wait, PortTest };

enum class PasswordKind {
  Write,   // the write password, asked at every connection
  Static,  // the password for operational static parameters (extended write forms)
};

// A progress window the caller advances itself and closes when done (it does not block).
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void SetMaximum(int maximum) = 0;
  virtual void SetValue(int value) = 0;
  virtual int value() const = 0;
  virtual void SetLabel(const QString& text) = 0;
};

class Person {
 public:
  virtual ~Person() = default;

  // Message box: title, centred text, one closing button.
  virtual void ShowMessageBox(const QString& title, const QString& text, const QString& button,
                              Placement placement = Placement::Default) = 0;
  // Question with yes and no; true for yes. Closing the window counts as no.
  virtual bool AskYesNo(const QString& title, const QString& text) = 0;
  // Warning of three lines with yes and no; true for yes.
  virtual bool AskYesNo3(const QString& title, const QString& line1, const QString& line2,
                         const QString& line3) = 0;
  // Opens a progress window (minimum 0, maximum `maximum`); it closes when the result is
  // destroyed.
  virtual std::unique_ptr<ProgressWindow> OpenProgress(const QString& title, const QString& label,
                                                       int maximum = 100,
                                                       Placement placement = Placement::Default,
                                                       ProgressKind kind = ProgressKind::Wait) = 0;

  // A plain system message box, as device refusals use.
  virtual void ShowSystemMessage(const QString& caption, const QString& text) = 0;
  // The notice that the computer needs another service program: two lines, closing itself
  // after 3.4 seconds.
  virtual void ShowVersionNotice(const QString& caption, const QString& line1,
                                 const QString& line2) = 0;
  // A password entry of at most 16 characters; with `singleEntry` there is no repeat field,
  // otherwise both entries must match. Empty on cancel.
  virtual std::optional<QString> AskPassword(PasswordKind kind, bool singleEntry) = 0;
  // The address dialog (1..254); `openLinkParameters` runs the command of its link parameters
  // button. Empty on cancel.
  virtual std::optional<int> AskAddress(int current,
                                        const std::function<void()>& openLinkParameters) = 0;
  // The link parameters dialog: edits `params`; true on OK.
  virtual bool EditLinkParameters(LinkParameters& params) = 0;
  // The preamble count dialog (0..25). Empty on cancel.
  virtual std::optional<int> AskPreambles(int current) = 0;
};

// The texts the main window shows while exchanges run: the port panel, the activity panel
// (hidden when empty) and the exchange text of the status bar.
class Activity {
 public:
  virtual ~Activity() = default;
  virtual void SetPortText(const QString& text) = 0;
  virtual void SetActivityText(const QString& text) = 0;
  virtual void SetStatusText(const QString& text) = 0;
};

// A progress window that shows nothing and only keeps its value, for front ends without
// windows.
class NoProgressWindow final : public ProgressWindow {
 public:
  void SetMaximum(int) override {}
  void SetValue(int value) override { value_ = value; }
  int value() const override { return value_; }
  void SetLabel(const QString&) override {}

 private:
  int value_ = 0;
};

// An Activity that shows nothing.
class NoActivity final : public Activity {
 public:
  void SetPortText(const QString&) override {}
  void SetActivityText(const QString&) override {}
  void SetStatusText(const QString&) override {}
};

}  // namespace zel
