#include "shell/language.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <set>

namespace zel {
namespace {

// Identifiers the program's sources use, written as 2385_t.
std::set<int> IdentifiersInSources() {
  std::set<int> ids;
  const QRegularExpression literal(QStringLiteral(R"(\b(\d{4})_t\b)"));
  QDirIterator it(QStringLiteral(ZELMARK_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile f(it.next());
    if (!f.open(QIODevice::ReadOnly)) continue;
    auto matches = literal.globalMatch(QString::fromUtf8(f.readAll()));
    while (matches.hasNext()) ids.insert(matches.next().captured(1).toInt());
  }
  return ids;
}

// id -> translation of a catalogue source file.
std::map<int, QString> ReadCatalogue(const QString& name) {
  std::map<int, QString> texts;
  QFile f(QStringLiteral(ZELMARK_SOURCE_DIR "/lang/") + name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
  QXmlStreamReader xml(&f);
  int id = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"message") id = xml.attributes().value("id").toInt();
    if (xml.name() == u"translation") texts[id] = xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
  return texts;
}

class Catalogue : public testing::TestWithParam<const char*> {};

TEST_P(Catalogue, HasEveryIdentifierTheCodeUses) {
  const auto texts = ReadCatalogue(GetParam());
  const auto used = IdentifiersInSources();
  ASSERT_FALSE(used.empty());
  for (int id : used) {
    EXPECT_TRUE(id >= kFirstTextId && id <= kLastTextId) << id << " is outside the table";
    auto it = texts.find(id);
    EXPECT_TRUE(it != texts.end() && !it->second.isEmpty()) << GetParam() << " lacks " << id;
  }
}

TEST_P(Catalogue, TextsFitTheTable) {
  for (const auto& [id, text] : ReadCatalogue(GetParam())) {
    EXPECT_TRUE(id >= kFirstTextId && id <= kLastTextId) << GetParam() << ": id " << id;
    EXPECT_LE(text.size(), kMaxTextLength) << GetParam() << ": " << id;
  }
}

TEST_P(Catalogue, CompiledFileLoads) {
  LanguageTable table;
  QString error;
  ASSERT_TRUE(table.LoadFile(QStringLiteral(ZELMARK_BIN_DIR "/") +
                                 QString(GetParam()).replace(".ts", ".qm"),
                             &error))
      << error.toStdString();
  for (const auto& [id, text] : ReadCatalogue(GetParam()))
    EXPECT_EQ(table.Text(TextId{id}), text) << id;
  EXPECT_EQ(table.Text(TextId{1000}), "");
  EXPECT_EQ(table.Text(TextId{3087}), "");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Catalogue, testing::Values("Lang00.ts", "Lang01.ts"));

TEST(LanguageTable, BothLanguagesDiffer) {
  LanguageTable ru, uk;
  qputenv("ZELMARK_LANG_DIR", ZELMARK_BIN_DIR);
  ASSERT_TRUE(ru.Load(1));
  ASSERT_TRUE(uk.Load(0));
  EXPECT_NE(ru.Text(2385_t), uk.Text(2385_t));
}

TEST(LanguageTable, MissingCatalogueNamesTheFile) {
  qputenv("ZELMARK_LANG_DIR", "/nonexistent");
  LanguageTable table;
  QString error;
  EXPECT_FALSE(table.Load(7, &error));
  EXPECT_TRUE(error.contains("Lang07.qm")) << error.toStdString();
  EXPECT_FALSE(table.loaded());
  EXPECT_FALSE(table.LoadFile("/nonexistent/Lang01.qm", &error));
  EXPECT_TRUE(error.contains("/nonexistent/Lang01.qm"));
}

TEST(FormatText, PrintfConversions) {
  const struct {
    const char* pattern;
    QList<QVariant> args;
    const char* result;
  } cases[] = {
      {"COM%d: %d bit/s", {2, 9600}, "COM2: 9600 bit/s"},
      {"from %.1f to %.1f", {1.0, 254.0}, "from 1.0 to 254.0"},
      {"%s!", {"tag"}, "tag!"},
      {"100%%", {}, "100%"},
      {"[%5d|%-3d|%03d]", {42, 7, 5}, "[   42|7  |005]"},
      {"%d and %d", {1}, "1 and %d"},  // a missing argument stays visible, nothing is read
      {"%g", {0.5}, "0.5"},
      {"end %", {}, "end %"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatText(c.pattern, c.args), c.result) << c.pattern;
}

}  // namespace
}  // namespace zel
