#include "link/ui/TPreambula.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "components/TGradient.h"
#include "link/link_parameters.h"
#include "shell/language.h"
#include "shell/text_id.h"
#include "shell/ui/dialog_look.h"

namespace zel {

TPreambula::TPreambula(const LanguageTable& texts, int langRus, QWidget* parent)
    : QDialog(parent) {
  setObjectName("Preambula");
  setWindowTitle(QStringLiteral("Преамбула"));
  Gradient1 = AddGradientPanel(this, "Gradient1");
  auto* layout = new QVBoxLayout(Gradient1);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(14);

  auto* row = new QHBoxLayout;
  row->setSpacing(10);
  Label1 = new QLabel(langRus != 0 ? QStringLiteral("Количество преамбул:")
                                   : QStringLiteral("Кількість преамбул:"),
                      Gradient1);
  Label1->setObjectName("Label1");
  ComboBox1 = new QComboBox(Gradient1);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setMaxVisibleItems(13);
  for (int n = 0; n <= kMaxPreambles; ++n) ComboBox1->addItem(QString::number(n));
  row->addWidget(Label1);
  row->addWidget(ComboBox1);
  layout->addLayout(row);

  const auto buttons = AddAcceptCancelRow(Gradient1, layout, texts.Text(2613_t), texts.Text(2614_t));
  BitBtn1 = buttons.accept;
  BitBtn2 = buttons.cancel;
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  MakeFixedDialog(this);
  ComboBox1->setFocus();
}

std::optional<int> TPreambula::Ask(int current) {
  ComboBox1->setCurrentIndex(std::clamp(current, 0, kMaxPreambles));
  if (exec() != QDialog::Accepted) return std::nullopt;
  return ComboBox1->currentIndex();
}

}  // namespace zel
