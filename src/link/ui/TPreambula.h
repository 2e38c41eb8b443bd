#pragma once
// TPreambula: the number of 0xFF preamble bytes sent ahead of each request, chosen from 0..25.
// Its caption and prompt are fixed Russian and Ukrainian texts rather than catalogue texts.

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace zel {

class LanguageTable;
class TGradient;

class TPreambula : public QDialog {
  Q_OBJECT

 public:
  // `langRus` chooses the prompt: 1 Russian, 0 Ukrainian.
  TPreambula(const LanguageTable& texts, int langRus, QWidget* parent = nullptr);

  // Shows the dialog at `current` (the nearest count when outside 0..25); the count on OK,
  // empty on cancel.
  std::optional<int> Ask(int current);

  TGradient* Gradient1;
  QLabel* Label1;
  QComboBox* ComboBox1;
  QPushButton* BitBtn1;  // apply
  QPushButton* BitBtn2;  // cancel
};

}  // namespace zel
