#pragma once
// TForm73: the address of the flow computer (1..254), with a button that opens the link
// parameters. OK connects, cancel gives up the connection.

#include <functional>
#include <optional>

#include "link/ui/TForm20.h"

namespace zel {

class LanguageTable;

class TForm73 : public TForm20 {
  Q_OBJECT

 public:
  // `openLinkParameters` runs when the link parameters button is pressed.
  TForm73(const LanguageTable& texts, std::function<void()> openLinkParameters,
          QWidget* parent = nullptr);

  // Shows the dialog with `current` in the field; the address on OK, empty on cancel.
  std::optional<int> Ask(int current);

  QPushButton* BitBtn3;  // link parameters
};

}  // namespace zel
