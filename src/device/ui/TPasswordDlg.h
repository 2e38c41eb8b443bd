#pragma once
// TPasswordDlg: the write password. Entries of at most 16 characters shown as '*'. With single
// entry only the first field is shown and OK closes at once; with double entry the dialog
// closes only when the entry and its repetition match, and a mismatch puts the focus back
// into the field to correct.

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zel {

class TGradient;

class TPasswordDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);

  // Caption, the prompts of the entry and of its repetition, and the button captions.
  void Fill(const QString& title, const QString& prompt, const QString& repeatPrompt,
            const QString& ok, const QString& cancel);
  // Single entry hides the repetition and makes the window smaller.
  void SetSingleEntry(bool single);
  bool singleEntry() const { return singleEntry_; }
  // True while the focus was last in the entry field rather than in the repetition.
  bool inPassword() const { return inPassword_; }
  // Shows the dialog modally: the entry on OK, empty on cancel.
  std::optional<QString> Ask();

  TGradient* Gradient1;
  QLabel* Label1;
  QLineEdit* Password;
  QLabel* Label2;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OKBtnClick();
  // Closes with OK when both entries match; otherwise the focus goes to `retry`.
  void CloseIfMatching(QLineEdit* retry);

  bool singleEntry_ = false;
  bool inPassword_ = false;
};

}  // namespace zel
