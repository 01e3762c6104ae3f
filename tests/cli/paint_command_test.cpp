#include "cli/paint_command.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include <QtCore/qtestsupport_core.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <sstream>
#include <thread>

#include "formats/picture_files.h"
#include "formats/skin_file.h"
#include "paint/canvas.h"
#include "paint/colour_vision.h"
#include "paint/painting.h"
#include "paint/reference_palette.h"
#include "paint/slot_tables.h"
#include "paint/test_pictures.h"
#include "platform/bmp_reader.h"

namespace tintara {
namespace {

// Inputs in a temporary folder, which is also where the outputs go. The body has every slot at
// position 16 + slot.
class PaintCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    ASSERT_TRUE(
        WriteBmpFile("BODY.BMP", IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16)))));
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  int Run(const QStringList& arguments) {
    output_.str({});
    errors_.str({});
    std::vector<std::string> commandLine{"tintara", "paint"};
    for (const QString& argument : arguments) commandLine.push_back(argument.toStdString());
    return RunPaintCommand(commandLine, output_, errors_);
  }
  static void Store(const QString& name, const QByteArray& text) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  }
  static QByteArray ReadAll(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The colour a written skin gives colour-table position `index`.
  static Colour TableColour(const QString& name, int index) {
    const auto skin = ReadBmpFile(name.toStdString());
    if (!skin) return 0xDEADBEEF;
    return skin->colourTable.at(static_cast<std::size_t>(index)).colour();
  }

  std::ostringstream output_;
  std::ostringstream errors_;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

TEST_F(PaintCommand, WritesEachKindOfOutputByItsExtension) {
  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17 18 19 ", "--output", "{name}.bmp"}), kAllWritten);
  EXPECT_EQ(TableColour("BODY.bmp", 17), ReferenceColour(17));
  EXPECT_EQ(TableColour("BODY.bmp", 19), ReferenceColour(19));

  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17", "--output", "big.png", "--scale", "4"}), kAllWritten);
  const QImage png("big.png");
  EXPECT_EQ(png.size(), QSize(64, 16));
  EXPECT_EQ(png.format(), QImage::Format_Indexed8);

  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17 18", "--output", "Red.jpg", "--page"}), kAllWritten);
  EXPECT_EQ(QImage("Red.jpg").size(), QSize(16, 4));
  QFile page("red.htm");
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  EXPECT_TRUE(page.readAll().contains("<!--MOXEL--> 17 223 224 "));
  EXPECT_TRUE(errors_.str().empty()) << errors_.str();
  EXPECT_TRUE(output_.str().empty()) << output_.str();  // quiet unless asked
}

TEST_F(PaintCommand, VerboseTellsEachFileWrittenWithItsSize) {
  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17", "--output", "big.bmp", "--scale", "8", "-v"}),
            kAllWritten);
  EXPECT_EQ(QFileInfo("big.bmp").size(), 5174);
  EXPECT_EQ(output_.str(), "Wrote big.bmp (5,174 bytes)\n");
  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17", "--output", "Red.jpg", "--page", "--verbose"}),
            kAllWritten);
  // The JPEG's size is counted as it is encoded, a piece at a time.
  const qint64 jpegSize = QFileInfo("Red.jpg").size();
  ASSERT_LT(jpegSize, 1000);
  const std::string told = output_.str();
  EXPECT_EQ(told.substr(0, told.find('\n')),
            "Wrote Red.jpg (" + std::to_string(jpegSize) + " bytes)");
  EXPECT_NE(told.find("\nWrote red.htm ("), std::string::npos) << told;
}

// Standard input is a pipe: it is read once, as it comes, for every input.
TEST_F(PaintCommand, CodeStringsComeFromStandardInputForEveryInput) {
  ASSERT_TRUE(QFile::copy("BODY.BMP", "OTHER.BMP"));
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const std::string lines = "1\n2 x\n3\n";
  ASSERT_EQ(::write(pipeEnds[1], lines.data(), lines.size()), ssize_t(lines.size()));
  ::close(pipeEnds[1]);
  const int savedInput = ::dup(STDIN_FILENO);
  ::dup2(pipeEnds[0], STDIN_FILENO);
  ::close(pipeEnds[0]);
  const int status =
      Run({"BODY.BMP", "OTHER.BMP", "--codes-file", "-", "--output", "{name}-{n}.bmp"});
  ::dup2(savedInput, STDIN_FILENO);
  ::close(savedInput);
  EXPECT_EQ(status, kSomethingBad);
  EXPECT_EQ(errors_.str(),
            "tintara: BODY.BMP: standard input:2: 'x' is not a valid integer value\n"
            "tintara: OTHER.BMP: standard input:2: 'x' is not a valid integer value\n");
  for (const char* name : {"BODY", "OTHER"}) {
    EXPECT_EQ(TableColour(QString(name) + "-1.bmp", 32), ReferenceColour(1)) << name;
    EXPECT_EQ(TableColour(QString(name) + "-3.bmp", 32), ReferenceColour(3)) << name;
  }
}

// What a pipe has given is painted and written while its writer waits, before the pipe ends.
TEST_F(PaintCommand, StandardInputIsWrittenAsItComes) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const int savedInput = ::dup(STDIN_FILENO);
  ::dup2(pipeEnds[0], STDIN_FILENO);
  ::close(pipeEnds[0]);
  const std::string lines = "1\n2\n";
  ASSERT_EQ(::write(pipeEnds[1], lines.data(), lines.size()), ssize_t(lines.size()));
  int status = -1;
  std::thread paint([&] {
    status = Run({"BODY.BMP", "--codes-file", "-", "--output", "{n}.bmp"});
  });
  const bool writtenWhileOpen = QTest::qWaitFor([] { return QFile::exists("2.bmp"); }, 20000);
  const std::string last = "3\n";
  const bool lastWritten = ::write(pipeEnds[1], last.data(), last.size()) == ssize_t(last.size());
  ::close(pipeEnds[1]);
  paint.join();
  ::dup2(savedInput, STDIN_FILENO);
  ::close(savedInput);
  EXPECT_TRUE(writtenWhileOpen);
  ASSERT_TRUE(lastWritten);
  EXPECT_EQ(status, kAllWritten) << errors_.str();
  EXPECT_EQ(TableColour("3.bmp", 32), ReferenceColour(3));
}

// However many outputs go into it, a folder that cannot be made is told once, with why.
TEST_F(PaintCommand, AFolderThatCannotBeMadeIsToldOnce) {
  Store("codes.txt", "1\n2\n3\n");
  Store("out", "a file where the folder would go");
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "out/{n}/skin.png"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: Cannot create folder out: a file stands in its place\n");
}

// The command line draws no whole picture and encodes a row at a time; the window saves the picture
// it shows. Their files must not differ.
TEST_F(PaintCommand, WritesTheFilesTheWindowWrites) {
  ASSERT_TRUE(
      WriteBmpFile("ODD.BMP", IndexedBitmap(37, 11, TableWithSet1Markers(SlotRange(1, 16)))));
  const std::string codes = "17 18 19 200 33";
  Expected<BitmapToPaint> loaded = ReadBitmapToPaint("ODD.BMP");
  ASSERT_TRUE(loaded);
  Expected<Document> painted = PaintedWithCodes(LoadedDocument(std::move(loaded->bitmap)), codes);
  ASSERT_TRUE(painted);
  Canvas canvas{Picture{}};
  canvas.Show(*painted);
  const Bitmap& work = *painted->model.work;
  const DisplayTable table = *PaintedTable(*painted);
  const std::string noted = PaintedCodeString(*painted);
  ASSERT_FALSE(WriteSkin("window.bmp", work, canvas.picture(), table, 2, noted));
  ASSERT_FALSE(WriteSkin("window.png", work, canvas.picture(), table, 2, noted));
  ASSERT_FALSE(WriteJpeg("window.jpg", canvas.picture()));

  for (const QString type : {"bmp", "png", "jpg"}) {
    SCOPED_TRACE(type.toStdString());
    const QStringList scale = type == "jpg" ? QStringList{} : QStringList{"--scale", "2"};
    ASSERT_EQ(Run(QStringList{"ODD.BMP", "--codes", QString::fromStdString(codes), "--output",
                              "cli." + type} +
                  scale),
              kAllWritten);
    QFile cli("cli." + type);
    QFile window("window." + type);
    ASSERT_TRUE(cli.open(QIODevice::ReadOnly) && window.open(QIODevice::ReadOnly));
    EXPECT_EQ(cli.readAll(), window.readAll());
  }
}

// A skin saved as PNG paints again as the bitmap it was painted from: its note brings back the
// table and its codes, which the codes given are painted over.
TEST_F(PaintCommand, APngSkinPaintsAgainAsTheBitmapItCameFrom) {
  const QString codes = "17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 ";
  ASSERT_EQ(Run({"BODY.BMP", "--codes", codes, "--output", "saved.png"}), kAllWritten);
  ASSERT_EQ(Run({"saved.png", "--codes", "40 41 ", "--output", "again.bmp"}), kAllWritten);
  ASSERT_EQ(Run({"BODY.BMP", "--codes", "40 41" + codes.mid(5), "--output", "direct.bmp"}),
            kAllWritten);
  ASSERT_FALSE(ReadAll("direct.bmp").isEmpty());
  EXPECT_EQ(ReadAll("again.bmp"), ReadAll("direct.bmp"));

  Store("cut.png", ReadAll("saved.png").left(60));
  EXPECT_EQ(Run({"cut.png", "--codes", "1", "--output", "out.bmp"}), kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: Cannot open cut.png: the file is damaged\n");
}

// A guide's picture shows the painted colours as the viewer sees them.
TEST_F(PaintCommand, WritesThePaintedTableAsTheViewAskedSeesIt) {
  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17 3 ", "--output", "seen.bmp", "--vision", "tritan"}),
            kAllWritten);
  EXPECT_EQ(TableColour("seen.bmp", 17), Simulated(Vision::Tritanopia, ReferenceColour(17)));
  EXPECT_EQ(TableColour("seen.bmp", 18), Simulated(Vision::Tritanopia, ReferenceColour(3)));
  EXPECT_EQ(Run({"BODY.BMP", "--codes", "17", "--vision", "colourblind"}), kUsageError);
  EXPECT_EQ(errors_.str(),
            "tintara paint: The vision must be protan, deutan, tritan or achroma.\n"
            "Try 'tintara paint --help'.\n");
}

// A bad line is told with its file and line; the other lines are still written.
TEST_F(PaintCommand, ACodesFileWritesOneOutputALineAndTellsTheBadOnes) {
  Store("codes.txt", "1 2 3\r\n5 x 7\n\n9 \n");
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "out-{n}.bmp"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: BODY.BMP: codes.txt:2: 'x' is not a valid integer value\n");
  EXPECT_EQ(TableColour("out-1.bmp", 17), ReferenceColour(1));
  EXPECT_FALSE(QFile::exists("out-2.bmp"));
  // Each line paints the picture as loaded: slot 1 of line 4 is not line 1's.
  EXPECT_EQ(TableColour("out-4.bmp", 17), ReferenceColour(9));
  EXPECT_EQ(TableColour("out-4.bmp", 18), kSlots[1].set1Marker);
}

// The same problem on many lines is told twenty times, and how many more at the end.
TEST_F(PaintCommand, ManyLinesWithOneProblemAreToldTwentyTimes) {
  Store("codes.txt", QByteArray("5 x\n").repeated(23) + "7\n");
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "{n}.bmp"}), kSomethingBad);
  const QList<QByteArray> told = QByteArray::fromStdString(errors_.str()).trimmed().split('\n');
  ASSERT_EQ(told.size(), 21);
  EXPECT_EQ(told[19], "tintara: BODY.BMP: codes.txt:20: 'x' is not a valid integer value");
  EXPECT_EQ(told[20],
            "tintara: BODY.BMP: codes.txt: 'x' is not a valid integer value … and 3 more lines "
            "like this");
  EXPECT_EQ(TableColour("24.bmp", 32), ReferenceColour(7));
}

// A code book is a codes file: comments are skipped, a line's name fills {label}, and a line
// without one gives its line number; a name that would leave the folder or land on an earlier
// line's output is told.
TEST_F(PaintCommand, ACodeBookNamesTheOutputsOfItsLines) {
  Store("book.txt", "# mine\n1 2 # Red\n\n3 \n4 # a/b\n5 # Red\n");
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "book.txt", "--output", "{label}.bmp"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(),
            "tintara: BODY.BMP: book.txt:5: the name 'a/b' cannot be put in {label}\n"
            "tintara: BODY.BMP: book.txt:6: the name 'Red' is an earlier line's too: its output "
            "would be the same\n");
  EXPECT_EQ(TableColour("Red.bmp", 17), ReferenceColour(1));
  EXPECT_EQ(TableColour("4.bmp", 17), ReferenceColour(3));
  EXPECT_EQ(QDir().entryList({"*.bmp"}, QDir::Files | QDir::CaseSensitive).size(), 2);
}

// A name is put in as it is, and a line too long to be a code string is told and skipped.
TEST_F(PaintCommand, NamesAreNotReadForPlaceholdersAndOverlongLinesAreTold) {
  ASSERT_TRUE(QFile::copy("BODY.BMP", "a{n}.BMP"));
  Store("codes.txt", QByteArray(70000, '1') + "\n5 \n");
  EXPECT_EQ(Run({"a{n}.BMP", "--codes-file", "codes.txt", "--output", "{name}-{n}.bmp"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: a{n}.BMP: codes.txt:1: the line is longer than 65536 bytes\n");
  EXPECT_FALSE(QFile::exists("a{n}-1.bmp"));
  EXPECT_EQ(TableColour("a{n}-2.bmp", 17), ReferenceColour(5));
  // Folders the pattern names are made.
  EXPECT_EQ(Run({"BODY.BMP", "--codes", "5 ", "--output", "out/{name}/skin.bmp"}), kAllWritten);
  EXPECT_EQ(TableColour("out/BODY/skin.bmp", 17), ReferenceColour(5));
}

// Painting on several threads writes the same files and tells the same problems, in order.
TEST_F(PaintCommand, SeveralJobsWriteWhatOneJobWrites) {
  QByteArray lines;
  for (int n = 1; n <= 70; ++n) lines += (n == 40 ? "5 x" : QByteArray::number(n) + " 2 3") + "\n";
  Store("codes.txt", lines);
  QDir().mkdir("one");
  QDir().mkdir("two");
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "one/{n}.png", "-j", "1"}),
            kSomethingBad);
  const std::string told = errors_.str();
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "two/{n}.png", "-j", "2"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(), told);
  for (int n = 1; n <= 70; ++n) {
    SCOPED_TRACE(n);
    QFile one(QStringLiteral("one/%1.png").arg(n));
    QFile two(QStringLiteral("two/%1.png").arg(n));
    ASSERT_EQ(one.open(QIODevice::ReadOnly), n != 40);
    ASSERT_EQ(two.open(QIODevice::ReadOnly), n != 40);
    EXPECT_EQ(one.readAll(), two.readAll());
  }
}

// An output that cannot be written is told; the others of its batch are written whole.
TEST_F(PaintCommand, AnOutputThatCannotBeWrittenLeavesTheOthersWhole) {
  Store("codes.txt", "1\n2\n3\n");
  QDir().mkpath("out-2.bmp/taken");  // a folder where the second output goes
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "out-{n}.bmp", "-j", "2"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: Cannot create file out-2.bmp: it is a folder\n");
  EXPECT_EQ(TableColour("out-1.bmp", 32), ReferenceColour(1));
  EXPECT_EQ(TableColour("out-3.bmp", 32), ReferenceColour(3));
}

// The input is named as it was given, its folder with it.
TEST_F(PaintCommand, AnInputThatCannotBeReadIsToldOnceAndTheOthersAreWritten) {
  EXPECT_EQ(Run({"skins/NOPE.BMP", "BODY.BMP", "--codes", "5", "--output", "{name}.png"}),
            kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: Cannot open skins/NOPE.BMP: the file does not exist\n");
  EXPECT_TRUE(QFile::exists("BODY.png"));
}

TEST_F(PaintCommand, ACodesFileThatCannotBeReadIsToldOnALineOfItsOwn) {
  EXPECT_EQ(Run({"BODY.BMP", "--codes-file", "team.txt"}), kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: team.txt: the file does not exist\n");
}

TEST_F(PaintCommand, ATrueColourInputHasNothingToPaintAndFails) {
  Bitmap deep;
  deep.width = 2;
  deep.height = 2;
  deep.bitsPerPixel = 24;
  deep.pixels.assign(4, 0xFF336699u);
  ASSERT_TRUE(WriteBmpFile("DEEP.BMP", deep));
  EXPECT_EQ(Run({"DEEP.BMP", "--codes", "1", "--output", "{name}.png"}), kSomethingBad);
  EXPECT_EQ(errors_.str(), "tintara: DEEP.BMP has no colour table: nothing to paint\n");
  EXPECT_FALSE(QFile::exists("DEEP.png"));
}

TEST_F(PaintCommand, RandomCodesRepeatWithTheirSeed) {
  ASSERT_EQ(Run({"BODY.BMP", "--random", "--seed", "7", "--output", "a.bmp"}), kAllWritten);
  ASSERT_EQ(Run({"BODY.BMP", "--random", "--seed", "7", "--output", "b.bmp"}), kAllWritten);
  ASSERT_EQ(Run({"BODY.BMP", "--random", "--seed", "8", "--output", "c.bmp"}), kAllWritten);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    EXPECT_EQ(TableColour("a.bmp", 16 + slot), TableColour("b.bmp", 16 + slot)) << slot;
  }
  bool differs = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    differs = differs || TableColour("a.bmp", 16 + slot) != TableColour("c.bmp", 16 + slot);
  }
  EXPECT_TRUE(differs);
}

// The command line rolls through the paint steps the window rolls through: the same seed, mode
// and locks give the same codes.
TEST_F(PaintCommand, HarmonyAndLocksRollAsThePaintStepsRollThem) {
  ASSERT_EQ(Run({"BODY.BMP", "--random", "--seed", "7", "--harmony", "triad", "--lock", "1,6-7,16",
                 "--output", "triad.bmp"}),
            kAllWritten)
      << errors_.str();
  const Expected<Bitmap> body = ReadBmpFile("BODY.BMP");
  ASSERT_TRUE(body);
  Document expected = LoadedDocument(*body);
  for (const int s : {1, 6, 7, 16}) expected.locks[s - 1] = true;
  RandomGenerator random(7);
  RollRandomCodes(expected, {true, true, true, true}, random, {Harmony::Triad, false});
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    EXPECT_EQ(TableColour("triad.bmp", 16 + slot), Slot(expected, slot).colour) << slot;
  }
  // A locked slot stays as loaded.
  EXPECT_EQ(TableColour("triad.bmp", 17), kSlots[0].set1Marker);
}

TEST_F(PaintCommand, UsageErrorsWriteNothing) {
  Store("two.txt", "1\n2\n");
  Store("blank.txt", "\n\r\n\n");
  const QList<QStringList> cases = {
      {"--codes", "1"},
      {"BODY.BMP"},
      {"BODY.BMP", "--codes", "1", "--random"},
      {"BODY.BMP", "--codes", "1", "--output", "x.tga"},
      {"BODY.BMP", "--codes-file", "two.txt", "--output", "x-{n}.gif"},
      {"BODY.BMP", "--codes", "1", "--output", "x.gif", "--delay", "19"},
      {"BODY.BMP", "--codes", "1", "--shade", "3,5"},
      {"BODY.BMP", "--random", "--count", "1001"},
      {"BODY.BMP", "--codes", "1", "--output", "x.jpg", "--scale", "2"},
      {"BODY.BMP", "--codes", "1", "--output", "x.png", "--scale", "5"},
      {"BODY.BMP", "--codes", "1", "--output", "x.png", "--page"},
      {"BODY.BMP", "BODY.BMP", "--codes", "1", "--output", "x.png"},
      {"BODY.BMP", "--codes-file", "two.txt", "--output", "x.png"},
      {"BODY.BMP", "--random", "--seed", "minus one"},
      {"BODY.BMP", "--codes", "1", "--colour"},
      {"BODY.BMP", "--codes-file", "blank.txt"},
      {"BODY.BMP", "other/BODY.BMP", "--codes", "1", "--output", "{name}.png"},
      {"...bmp", "--codes", "1", "--output", "out/{name}/skin.png"},
      {"BODY.BMP", "--codes", "1", "--seed", "7"},
      {"BODY.BMP", "--codes", "1", "--harmony", "triad"},
      {"BODY.BMP", "--codes", "1", "--lock", "1"},
      {"BODY.BMP", "--random", "--harmony", "blue"},
      {"BODY.BMP", "--random", "--lock", "1,17"},
  };
  for (const QStringList& arguments : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    EXPECT_EQ(Run(arguments), kUsageError);
    // One line of what is wrong, and where to read more.
    const std::string told = errors_.str();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;
    EXPECT_NE(told.find("Try 'tintara paint --help'."), std::string::npos) << told;
  }
  EXPECT_EQ(QDir().entryList({"*.png", "*.jpg", "*.gif"}, QDir::Files), QStringList{});
}

TEST_F(PaintCommand, AnAnimatedGifHasAFrameForEachCodeStringAsItsPngShowsIt) {
  Store("codes.txt", "17 18 19 20\n200 201\n5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n");
  ASSERT_EQ(
      Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "frame-{n}.png", "--scale", "3"}),
      kAllWritten);
  ASSERT_EQ(Run({"BODY.BMP", "--codes-file", "codes.txt", "--output", "anim.gif", "--scale", "3",
                 "--delay", "126"}),
            kAllWritten)
      << errors_.str();
  QImageReader reader("anim.gif");
  EXPECT_EQ(reader.loopCount(), -1);  // forever
  for (int line = 1; line <= 3; ++line) {
    SCOPED_TRACE(line);
    const QImage frame = reader.read();
    EXPECT_EQ(reader.nextImageDelay(), 130);  // to the nearest hundredth of a second
    EXPECT_EQ(frame.convertToFormat(QImage::Format_RGB32),
              QImage(QString("frame-%1.png").arg(line)).convertToFormat(QImage::Format_RGB32));
  }
  EXPECT_FALSE(reader.canRead());
}

}  // namespace
}  // namespace tintara
