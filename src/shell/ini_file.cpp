#include "shell/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

namespace zel {

namespace {
bool IsSectionLine(const QString& trimmed) {
  return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}
QString SectionName(const QString& trimmed) { return trimmed.mid(1, trimmed.size() - 2).trimmed(); }
}  // namespace

long long ParseProfileInteger(const QString& text) {
  int i = 0;
  while (i < text.size() && text[i].isSpace()) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i].unicode() - u'0');
    if (value > 0xFFFFFFFFLL) break;  // larger numbers are nonsense; stop before overflow
  }
  return negative ? -value : value;
}

IniFile IniFile::Read(const QString& path) {
  IniFile ini;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ini;
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  while (!in.atEnd()) ini.lines_ << in.readLine();
  return ini;
}

int IniFile::FindSection(const QString& section) const {
  for (int i = 0; i < lines_.size(); ++i) {
    const QString t = lines_[i].trimmed();
    if (IsSectionLine(t) && SectionName(t).compare(section, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

int IniFile::FindKey(int sectionLine, const QString& key) const {
  for (int i = sectionLine + 1; i < lines_.size(); ++i) {
    const QString t = lines_[i].trimmed();
    if (IsSectionLine(t)) break;
    if (t.startsWith(u';') || t.startsWith(u'#')) continue;
    const int eq = t.indexOf(u'=');
    if (eq > 0 && t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
  const int s = FindSection(section);
  if (s < 0) return std::nullopt;
  const int k = FindKey(s, key);
  if (k < 0) return std::nullopt;
  const QString& line = lines_[k];
  return line.mid(line.indexOf(u'=') + 1).trimmed();
}

long long IniFile::Integer(const QString& section, const QString& key, long long fallback) const {
  const auto v = Value(section, key);
  return v ? ParseProfileInteger(*v) : fallback;
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
  const QString line = key + u'=' + value;
  int s = FindSection(section);
  if (s < 0) {
    if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) lines_ << QString();
    lines_ << u'[' + section + u']' << line;
    return;
  }
  const int k = FindKey(s, key);
  if (k >= 0) {
    lines_[k] = line;
    return;
  }
  // A new key goes after the last key of its section, before any blank lines that follow it.
  int end = s + 1;
  while (end < lines_.size() && !IsSectionLine(lines_[end].trimmed())) ++end;
  while (end > s + 1 && lines_[end - 1].trimmed().isEmpty()) --end;
  lines_.insert(end, line);
}

QString IniFile::ToText() const {
  QString text;
  for (const QString& line : lines_) text += line + u'\n';
  return text;
}

bool IniFile::Write(const QString& path) const {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(ToText().toUtf8());
  return file.commit();
}

}  // namespace zel
