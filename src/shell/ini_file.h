#pragma once
// A small INI file that keeps every line it does not change: comments, unknown sections and
// unknown keys survive a read and write-back. Section and key names compare without regard to
// case, as private-profile files do.

#include <QString>
#include <QStringList>
#include <optional>

namespace zel {

class IniFile {
 public:
  // Reads the file; a missing or unreadable file gives an empty document.
  static IniFile Read(const QString& path);

  std::optional<QString> Value(const QString& section, const QString& key) const;
  // Reads an integer as the private-profile integer accessor does: leading blanks, an optional
  // sign and the leading digits; a value without digits is 0; a missing key gives `fallback`.
  long long Integer(const QString& section, const QString& key, long long fallback) const;
  void SetValue(const QString& section, const QString& key, const QString& value);

  QString ToText() const;
  // Writes the whole file atomically (a temporary file renamed over the old one), creating the
  // folder when it is missing. Returns false when the file could not be written.
  bool Write(const QString& path) const;

 private:
  int FindSection(const QString& section) const;  // line index of "[section]", or -1
  int FindKey(int sectionLine, const QString& key) const;
  QStringList lines_;
};

// The integer accessor's reading of a text: see IniFile::Integer.
long long ParseProfileInteger(const QString& text);

}  // namespace zel
