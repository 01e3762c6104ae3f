#include "formats/html_page.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUrl>

#include "formats/expected_page.h"

namespace tintara {
namespace {

constexpr char kAfternoon[] = "07/03/2024 13:05:09";

QStringList Lines(const PageLines& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  return text;
}

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QStringList Page(const QString& fileName, int width, int height, const QString& codeString) {
  PageLines lines;
  AddHtmlHead(lines, PageTitle(fileName.toStdString()));
  AddHtmlBody(lines, fileName.toStdString(), width, height, codeString.toStdString());
  AddHtmlFoot(lines, kAfternoon);
  return Lines(lines);
}

// The text with its numeric character references read back as the characters they stand for.
QString ReadReferences(const QString& text) {
  static const QRegularExpression reference("&#([0-9]+);");
  QString read;
  qsizetype done = 0;
  QRegularExpressionMatchIterator it = reference.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch match = it.next();
    const char32_t codePoint = match.captured(1).toUInt();
    read += text.mid(done, match.capturedStart() - done) + QString::fromUcs4(&codePoint, 1);
    done = match.capturedEnd();
  }
  return read + text.mid(done);
}

TEST(HtmlPage, RedSkinPageLineByLine) {
  const QString codes = "9 223 120 33 2 4 5 6 7 8 10 11 12 13 14 39 ";
  const QStringList lines = Page("Red.jpg", 55, 144, codes);
  const QStringList expected = ExpectedPage("Red", "Red.jpg", 55, 144, codes, lines.value(22));

  ASSERT_EQ(lines.size(), 26);
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_EQ(lines[22], QString("Version 2.01.02&nbsp;&nbsp;--&nbsp;&nbsp;") + kAfternoon);

  QByteArray file;
  for (const QString& line : expected) file += line.toLatin1() + "\r\n";
  PageLines written;
  for (const QString& line : lines) written.push_back(line.toStdString());
  EXPECT_EQ(Bytes(EncodePage(written)), file);
}

TEST(HtmlPage, TitleIsTheNameBeforeItsFirstDot) {
  const struct {
    const char* fileName;
    const char* title;
  } cases[] = {
      {"Red.jpg", "Red"}, {"my.red.skin.jpg", "my"},
      {"noext", ""},      {".hidden.jpg", ""},
      {"a.", "a"},        {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileName);
    EXPECT_EQ(PageTitle(c.fileName), c.title);
  }
  PageLines head;
  AddHtmlHead(head, PageTitle("my.red.skin.jpg"));
  EXPECT_EQ(head[2], "<TITLE>my</TITLE>");
  EXPECT_EQ(head[5], "<H1><CENTER>my</CENTER></H1>");
}

TEST(HtmlPage, EmptyCodeStringLeavesMarkerBlankAndBreak) {
  const QStringList lines = Page("Red.jpg", 55, 144, "");
  EXPECT_EQ(lines[13], "<!--MOXEL--> <BR>");
}

TEST(HtmlPage, InsertedValuesAreEscaped) {
  const QStringList lines = Page(R"(a&b"<c>.jpg)", 1, 2, R"(1 <2> & "3")");
  EXPECT_EQ(lines[2], R"(<TITLE>a&amp;b&quot;&lt;c&gt;</TITLE>)");
  EXPECT_EQ(lines[5], R"(<H1><CENTER>a&amp;b&quot;&lt;c&gt;</CENTER></H1>)");
  EXPECT_EQ(lines[7], R"(<IMG SRC="a&amp;b&quot;&lt;c&gt;.jpg" WIDTH=1 HEIGHT=2>)");
  EXPECT_EQ(lines[13], R"(<!--MOXEL--> 1 &lt;2&gt; &amp; &quot;3&quot;<BR>)");
}

TEST(HtmlPage, ImageAddressNamesTheFileOnDisk) {
  const struct {
    const char* fileName;
    const char* address;
  } cases[] = {
      {"Red.jpg", "Red.jpg"},
      {"skin#2.jpg", "skin%232.jpg"},
      {"скин.jpg", "%D1%81%D0%BA%D0%B8%D0%BD.jpg"},
      {"Grün.jpg", "Gr%C3%BCn.jpg"},
      {"100%.jpg", "100%25.jpg"},
      {"why?.jpg", "why%3F.jpg"},
      {"a:b.jpg", "a%3Ab.jpg"},
      {R"(a\b.jpg)", "a%5Cb.jpg"},
      {" my skin.jpg", "%20my%20skin.jpg"},
  };
  const QUrl page = QUrl::fromLocalFile("/skins/page.htm");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileName);
    const QString fileName = QString::fromUtf8(c.fileName);
    const QStringList lines = Page(fileName, 1, 2, "");
    EXPECT_EQ(lines[7], QStringLiteral(R"(<IMG SRC="%1" WIDTH=1 HEIGHT=2>)").arg(c.address));
    EXPECT_EQ(page.resolved(QUrl(c.address)).toLocalFile(), "/skins/" + fileName);
  }
}

TEST(HtmlPage, TextBeyondLatin1IsWrittenAsNumericReferences) {
  // Cyrillic, a character beyond 16 bits (a surrogate pair), Latin-1 kept as it is, and markup.
  const QString title = QString::fromUtf8("скин😀 é<");
  const QString titleText = QString::fromUtf8("&#1089;&#1082;&#1080;&#1085;&#128512; é&lt;");
  // Japanese writes the hours, minutes and seconds with its own characters.
  const QString stamp = QString::fromUtf8("2024/03/07 13時05分09秒 JST");

  PageLines written;
  AddHtmlHead(written, title.toStdString());
  AddHtmlBody(written, "x.jpg", 1, 2, "€ 9");
  AddHtmlFoot(written, stamp.toStdString());
  const QStringList lines = Lines(written);
  ASSERT_EQ(lines.size(), 26);
  EXPECT_EQ(lines[2], "<TITLE>" + titleText + "</TITLE>");
  EXPECT_EQ(lines[5], "<H1><CENTER>" + titleText + "</CENTER></H1>");
  EXPECT_EQ(lines[13], "<!--MOXEL--> &#8364; 9<BR>");
  EXPECT_EQ(ReadReferences(lines[22]), "Version 2.01.02&nbsp;&nbsp;--&nbsp;&nbsp;" + stamp);
  // Nothing is lost to the single-byte encoding.
  EXPECT_EQ(QString::fromLatin1(Bytes(EncodePage(written))), lines.join("\r\n") + "\r\n");

  // Bytes that are not UTF-8 (half a surrogate pair, a cut sequence) each name no character.
  PageLines broken;
  AddHtmlHead(broken, "\xED\xA0\xBDx\xC3");
  EXPECT_EQ(broken[2], "<TITLE>&#65533;&#65533;&#65533;x&#65533;</TITLE>");
}

TEST(HtmlPage, PagePathReplacesTheExtensionAndLowersTheFileName) {
  const struct {
    const char* chosen;
    const char* page;
  } cases[] = {
      {"/tmp/Skins/Red.jpg", "/tmp/Skins/red.htm"},
      {"/a.b/Name", "/a.b/name.htm"},
      {"/x/my.red.skin.JPG", "/x/my.red.skin.htm"},
      {"/Dir/Ärger.JPG", "/Dir/Ärger.htm"},
      {"Plain", "plain.htm"},
      {"/x/.Hidden", "/x/.htm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(HtmlPagePath(c.chosen), c.page);
  }
}

TEST(HtmlPage, EncodesLatin1WithCrLfAndQuestionMarksBeyond) {
  const PageLines lines = {"Grün é", "€ 😀 x", ""};
  EXPECT_EQ(Bytes(EncodePage(lines)), QByteArray("Gr\xFCn \xE9\r\n? ? x\r\n\r\n"));
}

}  // namespace
}  // namespace tintara
