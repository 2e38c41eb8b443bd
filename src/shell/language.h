#pragma once
// The language table: the catalogue texts of the active language, looked up by identifier.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "shell/text_id.h"

namespace zel {

// The catalogue file of a language: Lang00.qm (Ukrainian, langRus 0) or Lang01.qm (Russian, 1).
QString LanguageFileName(int langRus);

// Folders searched for catalogues: $ZELMARK_LANG_DIR alone when it is set; otherwise the
// program's folder and ../share/zelmark/lang beside it (an installed program).
QStringList LanguageSearchPath();

class LanguageTable {
 public:
  // Loads the catalogue of `langRus` from the search path. On failure the table stays as it was
  // and `error` names the file that could not be loaded.
  bool Load(int langRus, QString* error = nullptr);
  // Loads one catalogue file directly.
  bool LoadFile(const QString& path, QString* error = nullptr);
  void Release();
  bool loaded() const { return !texts_.empty(); }

  // The text of an identifier; empty for an identifier outside 1001..3086 or missing.
  QString Text(TextId id) const;
  // The text with %d, %s, %f style arguments filled in, as the device messages need.
  QString Format(TextId id, const QList<QVariant>& args) const;

 private:
  std::vector<QString> texts_;
};

// printf-style formatting of one catalogue text: %d %i %u (integers), %s (text),
// %f %g %e with optional width and precision (numbers), %% (percent sign).
QString FormatText(const QString& pattern, const QList<QVariant>& args);

}  // namespace zel
