#include "frontend/core/coefficient_file.h"
#include "frontend/core/roots_file.h"
#include "frontend/core/text_file.h"
#include "platform/test_folder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <string>

using namespace frontend::core;
namespace fs = std::filesystem;

namespace
{

class FileTest : public ::testing::Test
{
protected:
    void SetUp() override { dir = platform::testing::freshTestFolder("kovalin-files-"); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string &bytes, const std::string &name = "equation.txt")
    {
        return platform::testing::writeBytes(dir / name, bytes);
    }

    fs::path dir;
};

struct FileCase {
    const char *name;
    const char *bytes;
    Notices notices;
    bool marked;
};

class CoefficientFileCases : public FileTest, public ::testing::WithParamInterface<FileCase>
{
};

TEST_P(CoefficientFileCases, AreToldTheirFaultAndMarkedWhereTheFileIsAtFault)
{
    const FileCase &c = GetParam();
    const CoefficientFileRead read = ReadCoefficientFile(write(c.bytes));
    EXPECT_EQ(read.notices, c.notices);
    EXPECT_EQ(read.FileError, !c.notices.empty());
    EXPECT_EQ(read.markFile, c.marked);
}

const Notices none;
INSTANTIATE_TEST_SUITE_P(Layouts,
    CoefficientFileCases,
    ::testing::Values(FileCase { "degreeWithComment", "3\tdegree of equation\n1\n2\n3\n4\n", none, false },
        FileCase { "crlf", "2\r\n1\r\n-3\r\n2\r\n", none, false },
        FileCase { "extraLinesIgnored", "1\n1\n2\nnot read\n", none, false },
        FileCase { "commentAfterBlank", "1\n1.5 extra\n2 more\n", none, false },
        FileCase { "degreeFraction", "2.5\n1\n2\n3\n", { Notice::FileDegree }, true },
        FileCase { "degreeZero", "0\n1\n", { Notice::FileDegree }, true },
        FileCase { "degreeNegative", "-1\n1\n", { Notice::FileDegree }, true },
        FileCase { "degreeText", "three\n1\n", { Notice::FileDegree }, true },
        FileCase { "degreeEmpty", "\n1\n", { Notice::FileDegree }, true },
        FileCase { "countShort", "3\n1\n2\n3\n\n", { Notice::FileCount }, true },
        FileCase { "endBeforeCount", "3\n1\n2\n3\n", { Notice::FileGeneral }, true },
        FileCase { "realOver100", "101\n1\n", { Notice::FileGeneral }, true },
        FileCase { "complexOver50", "51\n1,0\n", { Notice::FileGeneral }, true },
        FileCase { "emptyFile", "", { Notice::FileGeneral }, true },
        FileCase { "noLineEnd", "3", { Notice::FileGeneral }, true },
        FileCase { "leadingZero", "1\n0\n5\n", { Notice::FileLeadingZero }, false },
        FileCase { "leadingText", "1\nx\n5\n", { Notice::FileLeadingNotNumeric }, false },
        FileCase { "leadingDivision",
            "1\n1/0\n5\n",
            { Notice::DivisionByZero, Notice::FileLeadingNotNumeric },
            true }, // a failed fraction always marks the file
        FileCase { "lowerText", "2\n1\nx\n5\n", { Notice::FileCoefficientInput }, true },
        FileCase { "complexLeadingZero", "1\n0,0\n1,1\n", { Notice::FileComplexLeadingZero }, false },
        FileCase { "complexLeadingHalf", "1\n0,1\n1\n", none, false },
        FileCase { "complexLowerImaginary", "1\n1,1\n1,x\n", { Notice::FileCoefficientInput }, true },
        FileCase { "binaryJunk", "\x01\x02\xff\xfe\n\x00\x00", { Notice::FileDegree }, true }),
    [](const auto &info) {
        return std::string(info.param.name);
    });

TEST_F(FileTest, AFileReadsBackItsDegreeLinesAndTexts)
{
    const CoefficientFileRead read = ReadCoefficientFile(write("3.0\tdegree\n1\n\t-3 comment\n1/2\n2E1\n"));
    ASSERT_FALSE(read.FileError);
    EXPECT_EQ(read.file.degreeLine, "3.0");
    EXPECT_EQ(read.file.degree, 3);
    EXPECT_EQ(read.file.kind, FileKind::Real);
    EXPECT_EQ(BuildEquationText(read.file.texts), "(1)*x^3 + (-3)*x^2 + (1/2)*x^1 + (2E1)");
    EXPECT_EQ(read.viewText, "3.0\tdegree\n1\n\t-3 comment\n1/2\n2E1\n");
}

TEST_F(FileTest, ACommaAnywhereMakesTheFileComplexAndEmptyPartsReadAsZero)
{
    const CoefficientFileRead read = ReadCoefficientFile(write("2\n1\n2,\n-1,3\n"));
    ASSERT_FALSE(read.FileError);
    EXPECT_EQ(read.file.kind, FileKind::Complex);
    EXPECT_EQ(BuildEquationText(read.file.texts), "[(1)+(0)i]*x^2 + [(2)+(0)i]*x^1 + [(-1)+(3)i]");
}

TEST_F(FileTest, AByteOrderMarkBeforeTheFirstLineIsSkipped)
{
    const CoefficientFileRead real = ReadCoefficientFile(write("\xEF\xBB\xBF"
                                                               "2\tdegree of equation\r\n1\r\n-3\r\n2\r\n"));
    ASSERT_FALSE(real.FileError);
    EXPECT_EQ(real.file.degreeLine, "2");
    EXPECT_EQ(BuildEquationText(real.file.texts), "(1)*x^2 + (-3)*x^1 + (2)");
    const CoefficientFileRead complex = ReadCoefficientFile(write("\xEF\xBB\xBF"
                                                                  "1\n1,1\n0,-1\n"));
    ASSERT_FALSE(complex.FileError);
    EXPECT_EQ(BuildEquationText(complex.file.texts), "[(1)+(1)i]*x^1 + [(0)+(-1)i]");
    const RootsFileRead roots = ReadRootsFile(write("\xEF\xBB\xBF"
                                                    "2\n1\n1\n2\n",
        "roots.txt"));
    ASSERT_FALSE(roots.RootsFileError);
    EXPECT_EQ(roots.file.count, 2);
    EXPECT_DOUBLE_EQ(roots.file.roots[1].re, 2.0);
}

TEST_F(FileTest, OnlyAWholeMarkAtTheStartIsSkipped)
{
    // Part of a mark, or one after the start, is text like any other and fails the degree's check.
    EXPECT_EQ(ReadCoefficientFile(write("\xEF\xBB"
                                        "1\n1\n2\n"))
                  .notices,
        Notices { Notice::FileDegree });
    EXPECT_EQ(ReadCoefficientFile(write(" \xEF\xBB\xBF"
                                        "1\n1\n2\n"))
                  .notices,
        Notices { Notice::FileDegree });
    EXPECT_EQ(ReadCoefficientFile(write("\xEF\xBB\xBF")).notices, Notices { Notice::FileGeneral });
    EXPECT_EQ(ReadRootsFile(write("\xEF\xBB\xBF\xEF\xBB\xBF"
                                  "1\n1\n1\n"))
                  .notices,
        Notices { Notice::RootsFileDegree });
}

TEST_F(FileTest, NulBytesAreOrdinaryBadCharacters)
{
    const CoefficientFileRead read = ReadCoefficientFile(write(std::string("1\n\0\0\n2\n", 7)));
    EXPECT_EQ(read.notices, Notices { Notice::FileLeadingNotNumeric });
}

TEST_F(FileTest, TheLargestDegreesAreAccepted)
{
    std::string real = "100\n";
    std::string complex = "50\n";
    for (int i = 0; i <= 100; ++i) {
        real += "1\n";
        complex += i <= 50 ? "1,1\n" : "";
    }
    EXPECT_FALSE(ReadCoefficientFile(write(real, "real.txt")).FileError);
    EXPECT_FALSE(ReadCoefficientFile(write(complex, "complex.txt")).FileError);
}

TEST_F(FileTest, FilesThatCannotBeReadGetTheGeneralMessageOrTheRootsReadError)
{
    for (const fs::path &path : { dir / "missing.txt", dir }) {
        const CoefficientFileRead read = ReadCoefficientFile(path);
        EXPECT_EQ(read.notices, Notices { Notice::FileGeneral }) << path;
        EXPECT_FALSE(read.viewText) << path;
        EXPECT_EQ(ReadRootsFile(path).notices, Notices { Notice::RootsFileRead }) << path;
    }
    const std::string huge = "1\n" + std::string(maxLineLength + 1, '1') + "\n1\n";
    EXPECT_EQ(ReadCoefficientFile(write(huge)).notices, Notices { Notice::FileGeneral });
}

TEST_F(FileTest, LoadingTellsWhyAFileIsUnusable)
{
    EXPECT_EQ(loadFileText(dir / "missing.txt").problem, LoadProblem::Missing);
    EXPECT_EQ(loadFileText(dir).problem, LoadProblem::NotAFile);
    const fs::path big = write("");
    fs::resize_file(big, maxEquationFileBytes + 1);
    EXPECT_EQ(loadFileText(big).problem, LoadProblem::TooLarge);
    EXPECT_EQ(loadFileText(write("a\r\nb")).text, "a\r\nb");
}

TEST_F(FileTest, AFileThatCannotBeReadGivesTheFileErrorsAndNoException)
{
    // /proc/self/mem fails its first read with EIO, as a file on failing media or a network file system does.
    const fs::path failing = "/proc/self/mem";
    EXPECT_EQ(loadFileText(failing).problem, LoadProblem::Unreadable);
    EXPECT_EQ(ReadCoefficientFile(failing).notices, Notices { Notice::FileGeneral });
    EXPECT_EQ(ReadRootsFile(failing).notices, Notices { Notice::RootsFileRead });
}

TEST_F(FileTest, APipeIsRefusedWithoutWaitingForAWriter)
{
    const fs::path pipe = dir / "equation.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Were the pipe opened as a file, each of these would wait for a writer that never comes (the test then
    // ends by its time limit).
    EXPECT_EQ(loadFileText(pipe).problem, LoadProblem::NotAFile);
    EXPECT_EQ(ReadCoefficientFile(pipe).notices, Notices { Notice::FileGeneral });
    EXPECT_EQ(ReadRootsFile(pipe).notices, Notices { Notice::RootsFileRead });
    EXPECT_FALSE(writeLines(pipe, { "1", "1", "1" }));
}

TEST_F(FileTest, AFileUpToTheCapIsReadAndLargerOnesAreRefused)
{
    std::string bytes = "1\n1\n2\n";
    bytes.resize(static_cast<std::size_t>(maxEquationFileBytes), '\n');
    const CoefficientFileRead read = ReadCoefficientFile(write(bytes));
    EXPECT_FALSE(read.FileError);
    EXPECT_EQ(read.viewText, bytes);
    EXPECT_EQ(ReadCoefficientFile(write(bytes + "\n")).notices, Notices { Notice::FileGeneral });
}

TEST_F(FileTest, ASaveThatCannotBeCompletedKeepsTheSavedEquation)
{
    // The case: saved over an earlier equation on a full disk, the file read back as another equation
    // (constant term 123 for the typed 123456). The save now fails as a whole and the old file stays.
    const fs::path path = dir / "saved.txt";
    ASSERT_TRUE(writeLines(path, coefficientFileLines(CoefficientTexts::real({ "2", "-3", "1" }))));
    const std::string before = platform::testing::fileBytes(path);
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 48; // the disk fills inside the constant term's line
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool saved = writeLines(path, coefficientFileLines(CoefficientTexts::real({ "123456", "-3", "1" })));
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(platform::testing::fileBytes(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    const CoefficientFileRead read = ReadCoefficientFile(path);
    ASSERT_FALSE(read.FileError);
    EXPECT_EQ(read.file.values[0].re, 2.0);
}

TEST_F(FileTest, SavedEquationsUseCrLfAndTheirPowerLabels)
{
    const fs::path path = dir / "saved.txt";
    ASSERT_TRUE(writeLines(path, coefficientFileLines(CoefficientTexts::real({ "2", "-3", "1" }))));
    EXPECT_EQ(platform::testing::fileBytes(path), "2\tdegree of equation\r\n1\t* x^2 +\r\n-3\t* x^1 +\r\n2\t= 0\r\n");
}

TEST_F(FileTest, SavedEquationsReadBackAsTheSameEquation)
{
    // Blanks inside a typed fraction would end the line early for the reader; they are left out.
    const CoefficientTexts typed = CoefficientTexts::complexPairs({ " 1 / 2", "0", "3" }, { "-1", "2.5E-3", "1" });
    const fs::path path = dir / "saved.txt";
    ASSERT_TRUE(writeLines(path, coefficientFileLines(typed)));
    const CoefficientFileRead read = ReadCoefficientFile(path);
    ASSERT_FALSE(read.FileError);
    EXPECT_EQ(BuildEquationText(read.file.texts), "[(3)+(1)i]*x^2 + [(0)+(2.5E-3)i]*x^1 + [(1/2)+(-1)i]");
}

TEST_F(FileTest, SavingIntoAMissingFolderFails)
{
    EXPECT_FALSE(writeLines(dir / "no" / "such" / "folder.txt", { "1" }));
}

TEST_F(FileTest, TheShippedSampleFilesAreValid)
{
    const CoefficientFileRead sample = ReadCoefficientFile(fs::path(KOVALIN_HELP_DIR) / "Sample.txt");
    EXPECT_FALSE(sample.FileError);
    const RootsFileRead roots = ReadRootsFile(fs::path(KOVALIN_HELP_DIR) / "Sample2.txt");
    EXPECT_FALSE(roots.RootsFileError);
    EXPECT_EQ(roots.file.count, 3);
}

TEST_F(FileTest, ARootsFileGivesItsLeadingCoefficientAndRoots)
{
    const RootsFileRead read = ReadRootsFile(write("3\troots\n2,0.5\n1\n0,1 second\n-1/2,-1\n"));
    ASSERT_FALSE(read.RootsFileError) << read.notices.size();
    EXPECT_EQ(read.file.count, 3);
    EXPECT_DOUBLE_EQ(read.file.leading.re, 2.0);
    EXPECT_DOUBLE_EQ(read.file.leading.im, 0.5);
    ASSERT_EQ(read.file.roots.size(), 3u);
    EXPECT_DOUBLE_EQ(read.file.roots[0].re, 1.0);
    EXPECT_DOUBLE_EQ(read.file.roots[1].im, 1.0);
    EXPECT_DOUBLE_EQ(read.file.roots[2].re, -0.5);
    EXPECT_DOUBLE_EQ(read.file.roots[2].im, -1.0);
}

struct RootsCase {
    const char *name;
    const char *bytes;
    Notices notices;
    bool conversionFailed;
};

class RootsFileCases : public FileTest, public ::testing::WithParamInterface<RootsCase>
{
};

TEST_P(RootsFileCases, AreToldEveryBadLine)
{
    const RootsCase &c = GetParam();
    const RootsFileRead read = ReadRootsFile(write(c.bytes));
    EXPECT_EQ(read.notices, c.notices);
    EXPECT_EQ(read.RootsFileError, !c.notices.empty());
    EXPECT_EQ(read.markRootsFile, !c.notices.empty());
    EXPECT_EQ(read.ConversionFailed, c.conversionFailed);
}

INSTANTIATE_TEST_SUITE_P(Layouts,
    RootsFileCases,
    ::testing::Values(RootsCase { "fine", "1\n1\n5\n", {}, false },
        RootsCase { "countZero", "0\n1\n", { Notice::RootsFileDegree }, false },
        RootsCase { "countFraction", "1.5\n1\n1\n", { Notice::RootsFileDegree }, false },
        RootsCase { "countOver100", "101\n1\n", { Notice::RootsFileRead }, false },
        RootsCase { "endBeforeRoots", "2\n1\n1\n", { Notice::RootsFileRead }, false },
        RootsCase { "emptyFile", "", { Notice::RootsFileRead }, false },
        RootsCase { "twoBadLines", "3\n1\nx\n2\ny,1\n", { Notice::RootsFileValue, Notice::RootsFileValue }, false },
        RootsCase { "emptyLineEarly", "3\n1\n2\n\n4\n5\n", { Notice::RootsFileValue }, false },
        RootsCase { "divisionByZero", "1\n1\n1/0\n", { Notice::DivisionByZero, Notice::RootsFileValue }, true }),
    [](const auto &info) {
        return std::string(info.param.name);
    });

TEST(cutAtBlank, TrimsAndDropsTheComment)
{
    EXPECT_EQ(cutAtBlank("  1.5 extra"), "1.5");
    EXPECT_EQ(cutAtBlank("3\tdegree of equation"), "3");
    EXPECT_EQ(cutAtBlank("   "), "");
    EXPECT_EQ(SplitComplexLine(" 1 , 2 "), (std::pair<std::string, std::string> { "1", "2" }));
    EXPECT_EQ(SplitComplexLine("7"), (std::pair<std::string, std::string> { "7", "0" }));
    EXPECT_EQ(SplitComplexLine("1,2,3"), (std::pair<std::string, std::string> { "1", "2,3" }));
}

} // namespace
