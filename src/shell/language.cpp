#include "shell/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <QVariant>

namespace zel {

QString LanguageFileName(int langRus) { return QStringLiteral("Lang0%1.qm").arg(langRus); }

QStringList LanguageSearchPath() {
  QStringList dirs;
  const QString env = qEnvironmentVariable("ZELMARK_LANG_DIR");
  if (!env.isEmpty()) return {env};
  if (QCoreApplication::instance() != nullptr) {
    const QString app = QCoreApplication::applicationDirPath();
    dirs << app << app + QStringLiteral("/../share/zelmark/lang");
  }
  return dirs;
}

bool LanguageTable::Load(int langRus, QString* error) {
  const QString name = LanguageFileName(langRus);
  for (const QString& dir : LanguageSearchPath()) {
    const QString path = QDir(dir).filePath(name);
    if (QFileInfo::exists(path)) return LoadFile(path, error);
  }
  if (error != nullptr)
    *error = QStringLiteral("language catalogue %1 not found in: %2")
                 .arg(name, LanguageSearchPath().join(QStringLiteral(", ")));
  return false;
}

bool LanguageTable::LoadFile(const QString& path, QString* error) {
  QTranslator translator;
  if (!translator.load(path)) {
    if (error != nullptr) *error = QStringLiteral("cannot load language catalogue %1").arg(path);
    return false;
  }
  std::vector<QString> texts(kTextCount);
  for (int id = kFirstTextId; id <= kLastTextId; ++id) {
    const QByteArray key = QByteArray::number(id);
    texts[id - kFirstTextId] = translator.translate(nullptr, key.constData()).left(kMaxTextLength);
  }
  texts_ = std::move(texts);
  return true;
}

void LanguageTable::Release() { texts_.clear(); }

QString LanguageTable::Text(TextId id) const {
  if (texts_.empty() || id.value < kFirstTextId || id.value > kLastTextId) return QString();
  return texts_[id.value - kFirstTextId];
}

QString LanguageTable::Format(TextId id, const QList<QVariant>& args) const {
  return FormatText(Text(id), args);
}

QString FormatText(const QString& pattern, const QList<QVariant>& args) {
  QString out;
  qsizetype next = 0;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c != u'%' || i + 1 >= pattern.size()) {
      out += c;
      continue;
    }
    if (pattern[i + 1] == u'%') {
      out += u'%';
      ++i;
      continue;
    }
    // %[-][0][width][.precision]conversion
    qsizetype j = i + 1;
    bool left = false, zero = false;
    while (j < pattern.size() && (pattern[j] == u'-' || pattern[j] == u'0')) {
      (pattern[j] == u'-' ? left : zero) = true;
      ++j;
    }
    int width = 0, precision = -1;
    while (j < pattern.size() && pattern[j].isDigit()) width = width * 10 + pattern[j++].digitValue();
    if (j < pattern.size() && pattern[j] == u'.') {
      precision = 0;
      ++j;
      while (j < pattern.size() && pattern[j].isDigit())
        precision = precision * 10 + pattern[j++].digitValue();
    }
    while (j < pattern.size() && (pattern[j] == u'l' || pattern[j] == u'h')) ++j;
    if (j >= pattern.size()) {
      out += pattern.mid(i);
      break;
    }
    const QChar conv = pattern[j];
    // A missing argument leaves the conversion as written rather than reading past the list.
    if (next >= args.size() || !QStringLiteral("diuxXsfgeEc").contains(conv)) {
      out += pattern.mid(i, j - i + 1);
      i = j;
      continue;
    }
    const QVariant& arg = args[next++];
    QString piece;
    switch (conv.unicode()) {
      case 'd':
      case 'i': piece = QString::number(arg.toLongLong()); break;
      case 'u': piece = QString::number(arg.toULongLong()); break;
      case 'x': piece = QString::number(arg.toULongLong(), 16); break;
      case 'X': piece = QString::number(arg.toULongLong(), 16).toUpper(); break;
      case 'c': piece = arg.toString().left(1); break;
      case 's': piece = arg.toString(); break;
      case 'f': piece = QString::number(arg.toDouble(), 'f', precision < 0 ? 6 : precision); break;
      case 'e':
      case 'E': piece = QString::number(arg.toDouble(), conv.toLatin1(), precision < 0 ? 6 : precision); break;
      default: piece = QString::number(arg.toDouble(), 'g', precision < 0 ? 6 : precision); break;
    }
    if (precision >= 0 && conv == u's') piece = piece.left(precision);
    if (piece.size() < width) {
      const QChar fill = (zero && !left && conv != u's') ? u'0' : u' ';
      piece = left ? piece.leftJustified(width, u' ') : piece.rightJustified(width, fill);
    }
    out += piece;
    i = j;
  }
  return out;
}

}  // namespace zel
