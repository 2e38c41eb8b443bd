#pragma once
// TForm72: the link parameters. Port COM1..COM8 (ports that failed the port test are disabled,
// each with its device path beside it), line speed, first-byte timeout, byte timeout with an
// up-down control, attempts, RTS keying and the automatic speed search. OK checks the byte
// timeout and the chosen port before it closes; nothing is stored unless it closes with OK.

#include <QDialog>
#include <array>

#include "link/link_parameters.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zel {

class LanguageTable;
class TGradient;

class TForm72 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm72(const LanguageTable& texts, QWidget* parent = nullptr);

  // Shows the values of `params`; list positions outside the lists show the nearest entry.
  void Fill(const LinkParameters& params);
  // The values as chosen in the controls (the port presence and paths as filled).
  LinkParameters Chosen() const;
  // Fill, show modally and on OK store the chosen values in `params`; true on OK.
  bool Edit(LinkParameters& params);

  TGradient* Gradient1;
  QGroupBox* GroupBox1;                              // the ports
  std::array<QRadioButton*, kPortCount> RadioButtons;  // RadioButton1..RadioButton8
  std::array<QLabel*, kPortCount> PortPaths;           // PortPath1..PortPath8
  QButtonGroup* PortGroup;
  QLabel* Label1;        // speed
  QLabel* Label2;        // first-byte timeout
  QLabel* Label3;        // byte timeout
  QLabel* Label4;        // attempts
  QComboBox* ComboBox1;  // speed, in the order of the speed table
  QComboBox* ComboBox2;  // first-byte timeout "1".."20" s
  QLineEdit* Edit1;      // byte timeout, ms
  QWidget* UpDown1;      // steps Edit1 by 5 within 55..3000
  QToolButton* UpDown1Up;
  QToolButton* UpDown1Down;
  QComboBox* ComboBox3;  // attempts "1".."5"
  QCheckBox* CheckBox1;  // RTS keying
  QCheckBox* CheckBox2;  // automatic speed search
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // cancel

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BitBtn1Click();
  void BitBtn2Click();
  // Moves the byte timeout by one step of the up-down control in `direction` (+1 or -1).
  void UpDown1Click(int direction);
  // Puts the byte timeout the dialog opened with back when the field holds no value in
  // 55..3000; true when it did.
  bool RestoreByteTimeout();

  const LanguageTable& texts_;
  LinkParameters params_;
};

}  // namespace zel
