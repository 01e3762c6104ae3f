#include "formats/page_codes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/html_page.h"

namespace tintara {
namespace {

// The page "Save as JPG" writes for a picture with this name and code string.
QByteArray SavedPage(const std::string& codeString, const std::string& fileName = "Red.jpg") {
  PageLines lines;
  AddHtmlHead(lines, PageTitle(fileName));
  AddHtmlBody(lines, fileName, 55, 144, codeString);
  AddHtmlFoot(lines, "07/03/2024 13:05:09");
  const std::vector<std::uint8_t> page = EncodePage(lines);
  return QByteArray(reinterpret_cast<const char*>(page.data()), qsizetype(page.size()));
}

Expected<std::string> CodesOn(const QByteArray& page) {
  return CodesOnPage(std::string_view(page.constData(), std::size_t(page.size())));
}

// A page around one line that holds the marker, its lines ended by CR LF.
QByteArray PageWithLine(const QByteArray& line) {
  return "<HTML>\r\n<BODY>\r\n" + line + "\r\n</BODY>\r\n</HTML>\r\n";
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(PageCodes, SavedPageGivesBackItsCodeString) {
  const char* const codeStrings[] = {
      "9 223 224 120 33 2 4 5 6 7 8 10 11 12 13 39 ",
      "1 2 3",
      "",
      "  1  2 ",  // blanks beyond the one after the marker are the code string's own
      R"(1 <2> & "3" '4' <BR> &amp; &#39; <!--MOXEL--> 5)",
      "Gr\xC3\xBCn \xC3\xA9 \xC2\xA0 9",                                   // Latin-1 beyond ASCII
      "\xD1\x81\xD0\xBA\xD0\xB8\xD0\xBD \xE2\x82\xAC \xF0\x9F\x98\x80 7",  // beyond Latin-1
  };
  for (const char* codeString : codeStrings) {
    SCOPED_TRACE(codeString);
    const Expected<std::string> found = CodesOn(SavedPage(codeString));
    ASSERT_TRUE(found) << found.problem().message;
    EXPECT_EQ(*found, codeString);
  }
}

TEST(PageCodes, MarkupInTheFileNameIsNotTakenForTheMarker) {
  const Expected<std::string> found = CodesOn(SavedPage("1 2", "<!--MOXEL--> 9<BR>.jpg"));
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, "1 2");
}

TEST(PageCodes, PageWithoutMarkerHoldsNoCodeString) {
  QByteArray withoutCodeLine = SavedPage("1 2 3");
  withoutCodeLine.replace("<!--MOXEL--> 1 2 3<BR>\r\n", "");
  ASSERT_FALSE(withoutCodeLine.contains("MOXEL"));
  const QByteArray pages[] = {
      QByteArray(),
      withoutCodeLine,
      PageWithLine("<!--MOXEL 1 2 3<BR>"),
      QByteArray("BM\x36\x00\x00\x00\x00\x00", 8),
  };
  for (const QByteArray& page : pages) {
    SCOPED_TRACE(page.left(40).toStdString());
    const Expected<std::string> found = CodesOn(page);
    ASSERT_FALSE(found);
    EXPECT_EQ(found.problem().message, "it holds no code string");
  }
}

TEST(PageCodes, CodesEndAtTheFirstTagAfterThem) {
  const struct {
    const char* line;
    const char* codes;
  } cases[] = {
      {R"(<FONT SIZE="2"><!--MOXEL--> 1 2 3 <BR></FONT>)", "1 2 3 "},
      {"<P><!--MOXEL-->1 2 3</P>", "1 2 3"},
      {"<!--MOXEL--> 4 5<br>", "4 5"},
      {"<!--MOXEL--> 4 5<Br >", "4 5"},
      {"<!--MOXEL--> 4 5<!-- edited -->", "4 5"},
      {"<!--MOXEL--> 4 < 5 <= 6<B>7</B>", "4 < 5 <= 6"},  // a "<" before a blank is text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Expected<std::string> found = CodesOn(PageWithLine(c.line));
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, c.codes);
  }
}

TEST(PageCodes, FirstMarkerLineCounts) {
  const Expected<std::string> found =
      CodesOn(PageWithLine("<!--MOXEL--> 1 2<BR>\r\n<!--MOXEL--> 3 4<BR>"));
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, "1 2");
}

TEST(PageCodes, LineEndsWithCrLfLfOrCrAlone) {
  QByteArray lf = SavedPage("1 2 3");
  lf.replace("\r\n", "\n");
  QByteArray cr = SavedPage("1 2 3");
  cr.replace("\r\n", "\r");
  // Without a tag after the codes only the line end stops them.
  const QByteArray pages[] = {
      lf,
      cr,
      "<HTML>\r\n<!--MOXEL--> 1 2 3\r\n</HTML>\r\n",
      "<HTML>\n<!--MOXEL--> 1 2 3\n</HTML>\n",
      "<HTML>\r<!--MOXEL--> 1 2 3\r</HTML>\r",
      "<HTML>\n<!--MOXEL--> 1 2 3",
  };
  for (const QByteArray& page : pages) {
    SCOPED_TRACE(page.toStdString());
    const Expected<std::string> found = CodesOn(page);
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, "1 2 3");
  }
  const Expected<std::string> nextLine = CodesOn("<!--MOXEL-->\n1 2 3<BR>\n");
  ASSERT_TRUE(nextLine);
  EXPECT_EQ(*nextLine, "");
}

TEST(PageCodes, ReferencesWrittenByOtherProgramsAreDecoded) {
  const struct {
    const char* line;
    std::string codes;
  } cases[] = {
      {"<!--MOXEL--> &#x41;&#X4a;&#xe9;&#65;&#0065;&#39;&apos;&AMP;&LT;&GT;&QUOT;<BR>",
       "AJ\xC3\xA9"
       "AA''&<>\""},
      {"<!--MOXEL--> 1&nbsp;2<BR>",
       "1\xC2\xA0"
       "2"},
      {"<!--MOXEL--> &#x1F600;<BR>", "\xF0\x9F\x98\x80"},
      // References to no character read as the replacement character, as in browsers.
      {"<!--MOXEL--> &#0;&#xD83D;&#1114112;&#99999999999999999999;<BR>",
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      // What is no reference stays as it stands.
      {"<!--MOXEL--> & &; &#; &#x; &#12 &amp &unknown; &am&amp;p;<BR>",
       "& &; &#; &#x; &#12 &amp &unknown; &am&p;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Expected<std::string> found = CodesOn(PageWithLine(c.line));
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, c.codes);
  }
}

TEST(PageCodes, FileGivesTheCodesOfItsPage) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("red.htm");
  ASSERT_TRUE(WriteBytes(path, SavedPage("9 223 1 ")));
  const Expected<std::string> found = ReadPageCodes(path.toStdString());
  ASSERT_TRUE(found) << found.problem().message;
  EXPECT_EQ(*found, "9 223 1 ");
}

TEST(PageCodes, FileMessagesNameTheFileAndTheReason) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString picture = dir.filePath("red.jpg");
  ASSERT_TRUE(WriteBytes(picture, QByteArray("\xFF\xD8\xFF\xE0", 4)));
  // A page too large even with its codes in the first line.
  const QString large = dir.filePath("large.htm");
  QByteArray largeBytes = PageWithLine("<!--MOXEL--> 1 2<BR>");
  largeBytes.append(static_cast<qsizetype>(kMaxPageBytes) + 1 - largeBytes.size(), ' ');
  ASSERT_TRUE(WriteBytes(large, largeBytes));
  ASSERT_TRUE(QDir(dir.path()).mkdir("skins.htm"));

  const struct {
    QString path;
    std::string message;
  } cases[] = {
      {dir.filePath("x.htm"), "Cannot read codes from x.htm: the file does not exist"},
      {picture, "Cannot read codes from red.jpg: it holds no code string"},
      {large, "Cannot read codes from large.htm: the file is too large"},
      {dir.filePath("skins.htm"), "Cannot read codes from skins.htm: not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const Expected<std::string> found = ReadPageCodes(c.path.toStdString());
    ASSERT_FALSE(found);
    EXPECT_EQ(found.problem().message, c.message);
  }
}

}  // namespace
}  // namespace tintara
