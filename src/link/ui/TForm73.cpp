#include "link/ui/TForm73.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

#include "components/TGradient.h"
#include "link/link_parameters.h"
#include "shell/language.h"
#include "shell/text_id.h"

namespace zel {

TForm73::TForm73(const LanguageTable& texts, std::function<void()> openLinkParameters,
                 QWidget* parent)
    : TForm20(parent) {
  setObjectName("Form73");
  Fill(texts.Text(2333_t), texts.Format(2226_t, {double(kMinAddress), double(kMaxAddress)}),
       texts.Text(2847_t), texts.Text(2614_t));
  BitBtn3 = new QPushButton(texts.Text(2330_t), Gradient1);
  BitBtn3->setObjectName("BitBtn3");
  BitBtn3->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  BitBtn3->setMinimumWidth(96);
  // Pressing Enter in the field connects; the link parameters button never takes Enter.
  BitBtn3->setAutoDefault(false);
  buttonRow()->addWidget(BitBtn3);
  connect(BitBtn3, &QPushButton::clicked, this, [this, open = std::move(openLinkParameters)] {
    if (open) open();
    ComboBox1->setFocus();
  });
}

std::optional<int> TForm73::Ask(int current) {
  SetRange(kMinAddress, kMaxAddress, current);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return value();
}

}  // namespace zel
