#pragma once
// The person at the computer, as the operations see them: every method is one of the program's
// dialogs. Operations never create windows; they ask through this interface. The Qt front end
// answers with the real dialogs, zelmark-cli from its options, tests from a script.

#include <QString>
#include <memory>

namespace zel {

// Where a dialog appears: where the platform puts it, or directly below the window that is
// active when it opens (top = that window's top + its height).
enum class Placement { Default, BelowActive };

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
                                                       Placement placement = Placement::Default) = 0;
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

// An Activity that shows nothing.
class NoActivity final : public Activity {
 public:
  void SetPortText(const QString&) override {}
  void SetActivityText(const QString&) override {}
  void SetStatusText(const QString&) override {}
};

}  // namespace zel
