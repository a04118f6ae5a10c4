#include "engine/error_service.h"
#include "engine/machine.h"
#include "engine/roots.h"
#include "printed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using engine::ErrorService;
using engine::TerminalError;

class ErrorServiceTest : public ::testing::Test
{
protected:
    std::ostringstream printed;
    ErrorService errors { printed };
};

TEST_F(ErrorServiceTest, AWarningIsPrintedOnceAtWithdrawalWithItsSlotsFilledIn)
{
    errors.E1PSH("DZPORC");
    errors.E1STI(1, 3);
    errors.E1STI(2, 2);
    errors.E1MES(engine::Warning, 1, "The %(I1) leading coefficients are zero; the last %(I2) roots are set.");
    EXPECT_EQ(printed.str(), "") << "nothing is printed before the routine withdraws";
    errors.E1POP("DZPORC");
    EXPECT_EQ(printed.str(),
        "\n *** WARNING  ERROR 1 from DZPORC.  The 3 leading coefficients are zero; the\n"
        " ***          last 2 roots are set.\n");
    EXPECT_EQ(errors.N1RCD(1), 1);
    EXPECT_EQ(errors.level(), 1);

    // The next routine starts clean: no second print of the old message.
    errors.E1PSH("DZPORC");
    errors.E1POP("DZPORC");
    EXPECT_EQ(errors.N1RCD(1), 0);
    EXPECT_EQ(engine_test::unwrapped(printed.str()).find("WARNING", 10), std::string::npos);
}

TEST_F(ErrorServiceTest, LongMessagesBreakAtBlanksAndAtTheLineMark)
{
    errors.E1PSH("DZPOCC");
    errors.E1STL(1, "TEXT");
    errors.E1MES(engine::Warning,
        2,
        "Only some zeros were found.  The last locations of the ROOT vector will be set to "
        "CMPLX(FINITY,0.0), where FINITY is the largest machine constant.%/Slot: %(L1).");
    errors.E1POP("DZPOCC");
    std::istringstream lines(printed.str());
    std::vector<std::string> got;
    for (std::string line; std::getline(lines, line);) {
        got.push_back(line);
    }
    ASSERT_GE(got.size(), 4u);
    EXPECT_EQ(got[0], "");
    EXPECT_EQ(got[1].rfind(" *** WARNING  ERROR 2 from DZPOCC.  Only some zeros were found.", 0), 0u);
    for (std::size_t i = 1; i < got.size(); ++i) {
        EXPECT_LE(got[i].size(), ErrorService::lineWidth) << got[i];
        if (i > 1) {
            EXPECT_EQ(got[i].rfind(" ***          ", 0), 0u) << got[i];
        }
    }
    EXPECT_EQ(got.back(), " ***          Slot: TEXT.");
    // Words are never cut: joining the lines gives the message back.
    std::string joined = got[1];
    for (std::size_t i = 2; i + 1 < got.size(); ++i) {
        joined += " " + got[i].substr(14);
    }
    EXPECT_NE(joined.find("will be set to CMPLX(FINITY,0.0), where FINITY is the largest machine constant."),
        std::string::npos)
        << joined;
}

TEST_F(ErrorServiceTest, ATerminalErrorIsPrintedAndStopsWithoutEndingTheProcess)
{
    std::vector<double> coeff(102, 1.0);
    std::vector<engine::Complex> root(101);
    bool after = false;
    try {
        engine::DZPORC(101, coeff, root, errors);
        after = true;
    } catch (const TerminalError &) {
    }
    EXPECT_FALSE(after) << "nothing after the solver call runs";
    EXPECT_EQ(printed.str(),
        "\n *** TERMINAL ERROR 1 from DZPORC.  The degree of the polynomial must be less\n"
        " ***          than 101 and greater than zero.  NDEG is given as 101.\n");
    EXPECT_EQ(errors.level(), 1) << "the service is ready for the next call";
    EXPECT_EQ(coeff, std::vector<double>(102, 1.0));

    // The process lives on, and so does the service.
    printed.str("");
    std::vector<double> quadratic { 2.0, -3.0, 1.0 };
    engine::DZPORC(2, quadratic, root, errors);
    EXPECT_EQ(root[0], engine::Complex(1.0, 0.0));
    EXPECT_EQ(printed.str(), "");
}

TEST_F(ErrorServiceTest, AnErrorOfARoutineCalledInternallyIsPassedToItsCaller)
{
    errors.E1PSH("OUTER");
    errors.E1PSH("INNER");
    errors.E1MES(engine::Warning, 7, "inner trouble");
    errors.E1POP("INNER");
    EXPECT_EQ(printed.str(), "") << "printed only when the routine the user called withdraws";
    EXPECT_EQ(errors.N1RCD(0), 7);
    errors.E1POP("OUTER");
    EXPECT_NE(
        engine_test::unwrapped(printed.str()).find("WARNING  ERROR 7 from INNER.  inner trouble"), std::string::npos)
        << printed.str();
}

TEST_F(ErrorServiceTest, ATerminalErrorDeepInsideCarriesATraceback)
{
    errors.E1PSH("OUTER");
    errors.E1PSH("INNER");
    errors.E1MES(engine::Terminal, 4, "broken");
    EXPECT_THROW(errors.E1POP("INNER"), TerminalError);
    const std::string text = printed.str();
    EXPECT_NE(engine_test::unwrapped(text).find(" *** TERMINAL ERROR 4 from INNER.  broken"), std::string::npos)
        << text;
    EXPECT_NE(engine_test::unwrapped(text).find("Here is a traceback of subprogram calls in reverse order:"),
        std::string::npos);
    EXPECT_NE(engine_test::unwrapped(text).find(
                  "     INNER                                5           4    (Called internally)"),
        std::string::npos)
        << text;
    EXPECT_NE(engine_test::unwrapped(text).find("     OUTER                                5           4\n"),
        std::string::npos)
        << text;
    EXPECT_EQ(errors.level(), 1);
}

TEST_F(ErrorServiceTest, MisuseOfTheServiceItselfIsTerminal)
{
    EXPECT_THROW(errors.E1POP("NOBODY"), TerminalError);
    EXPECT_NE(engine_test::unwrapped(printed.str())
                  .find("Error condition in E1POP.  Cannot pop from NOBODY because stack is empty."),
        std::string::npos)
        << printed.str();

    printed.str("");
    errors.E1PSH("FIRST");
    EXPECT_THROW(errors.E1POP("SECOND"), TerminalError);
    EXPECT_NE(engine_test::unwrapped(printed.str())
                  .find("Error condition in E1POP.  SECOND does not match the name FIRST in the stack."),
        std::string::npos)
        << printed.str();

    printed.str("");
    EXPECT_THROW(errors.E1MES(8, 1, "x"), TerminalError);
    EXPECT_NE(
        engine_test::unwrapped(printed.str()).find("from E1MES.  Error from E1MES.  Illegal error type specified."),
        std::string::npos)
        << printed.str();

    printed.str("");
    EXPECT_THROW(errors.N1RCD(2), TerminalError);
    EXPECT_NE(engine_test::unwrapped(printed.str()).find("from N1RCD.  The argument passed to N1RCD must be 0 or 1."),
        std::string::npos)
        << printed.str();

    printed.str("");
    for (int i = 2; i <= ErrorService::maxLevels; ++i) {
        errors.E1PSH("DEEP");
    }
    EXPECT_THROW(errors.E1PSH("ONE MORE"), TerminalError);
    EXPECT_NE(
        engine_test::unwrapped(printed.str()).find("Push would cause stack level to exceed 50."), std::string::npos)
        << printed.str();
    EXPECT_EQ(errors.level(), 1);
}

TEST_F(ErrorServiceTest, MachineConstantsAndTheirBadIndices)
{
    EXPECT_EQ(engine::DMACH(1, errors), 2.2250738585072014E-308);
    EXPECT_EQ(engine::DMACH(2, errors), 1.7976931348623157E+308);
    EXPECT_EQ(engine::DMACH(3, errors), 1.1102230246251565E-16);
    EXPECT_EQ(engine::DMACH(4, errors), 2.220446049250313E-16);
    EXPECT_EQ(engine::DMACH(5, errors), 0.3010299956639812);
    EXPECT_TRUE(std::isnan(engine::DMACH(6, errors)));
    EXPECT_EQ(engine::DMACH(7, errors), std::numeric_limits<double>::infinity());
    EXPECT_EQ(engine::DMACH(8, errors), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(engine::AMACH(3, errors), std::ldexp(1.0f, -24));
    EXPECT_EQ(engine::AMACH(1, errors), std::ldexp(1.0f, -126));
    EXPECT_EQ(engine::IMACH(5, errors), 2147483647);
    EXPECT_EQ(engine::IMACH(6, errors), 2);
    EXPECT_EQ(engine::IMACH(11, errors), -1021);
    int unit = 0;
    errors.UMACH(3, unit);
    EXPECT_EQ(unit, 6);
    int newUnit = 9;
    errors.UMACH(-2, newUnit);
    errors.UMACH(2, unit);
    EXPECT_EQ(unit, 9);

    EXPECT_THROW(engine::DMACH(9, errors), TerminalError);
    EXPECT_NE(engine_test::unwrapped(printed.str())
                  .find("TERMINAL ERROR 5 from DMACH.  The argument must be between 1 and 8 inclusive. N = 9"),
        std::string::npos)
        << printed.str();
    printed.str("");
    EXPECT_THROW(engine::IMACH(13, errors), TerminalError);
    EXPECT_EQ(printed.str(),
        " *** TERMINAL ERROR 5 from IMACH.  The argument\n"
        " ***          must be between 1 and 12 inclusive.\n"
        " ***          N = 13\n");
    printed.str("");
    EXPECT_THROW(errors.UMACH(-4, unit), TerminalError);
    EXPECT_EQ(printed.str(),
        " *** TERMINAL ERROR 5 from UMACH.  The absolute\n"
        " ***          value of the index variable must be\n"
        " ***          1, 2, or 3.  IABS(N) = 4\n");
}

} // namespace
