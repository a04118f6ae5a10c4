// Reading equations: coefficient files in the solver's format and coefficients given as arguments.

#include "cli/coefficient_input.h"

#include <gtest/gtest.h>

namespace
{

using cli::InputError;
using cli::Polynomial;
using Complex = std::complex<double>;

Polynomial polynomial(const cli::ParsedInput &parsed)
{
    if (const auto *error = std::get_if<InputError>(&parsed)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message;
        return {};
    }
    return std::get<Polynomial>(parsed);
}

InputError error(const cli::ParsedInput &parsed)
{
    EXPECT_TRUE(std::holds_alternative<InputError>(parsed));
    return std::holds_alternative<InputError>(parsed) ? std::get<InputError>(parsed) : InputError {};
}

TEST(CoefficientInput, AFileAsTheDesktopSolverSavesItReadsLeadingFirstWithItsComments)
{
    const Polynomial p = polynomial(cli::ParseCoefficientText("2\tdegree of equation\r\n1\t* x^2 +\r\n-3\t* x^1 +\r\n"
                                                              "1/2\t= 0\r\nignored after the coefficients\r\n"));
    EXPECT_FALSE(p.complex);
    EXPECT_EQ(p.coefficients, (std::vector<Complex> { 0.5, -3.0, 1.0 }));
    // An editor saving UTF-8 may put a byte-order mark before the degree; the desktop solver reads past it.
    EXPECT_EQ(polynomial(cli::ParseCoefficientText("\xEF\xBB\xBF"
                                                   "2\tdegree\r\n1\r\n-3\r\n2\r\n"))
                  .coefficients,
        (std::vector<Complex> { 2.0, -3.0, 1.0 }));
}

TEST(CoefficientInput, ACommaAnywhereMakesTheFileComplex)
{
    const Polynomial p = polynomial(cli::ParseCoefficientText("2\n1,2\n3\n0,-1.5E-3\n"));
    EXPECT_TRUE(p.complex);
    EXPECT_EQ(p.coefficients, (std::vector<Complex> { Complex(0, -1.5e-3), 3.0, Complex(1, 2) }));
    // An empty imaginary part is 0, as the desktop solver reads it.
    EXPECT_EQ(polynomial(cli::ParseCoefficientText("1\n2,\n1,1")).coefficients,
        (std::vector<Complex> { Complex(1, 1), 2.0 }));
    // So is an empty real part; both empty is a zero coefficient.
    EXPECT_EQ(polynomial(cli::ParseCoefficientText("2\n,2\n,\n,-1\n")).coefficients,
        (std::vector<Complex> { Complex(0, -1), 0.0, Complex(0, 2) }));
    EXPECT_EQ(polynomial(cli::ParseCoefficientArguments({ ",1", "1" })).coefficients,
        (std::vector<Complex> { 1.0, Complex(0, 1) }));
}

TEST(CoefficientInput, BadFilesNameTheLineAndTheFault)
{
    struct Case {
        const char *text;
        int line;
        const char *says;
    };
    const Case cases[] = {
        { "", 1, "degree" },
        { "2.5\n1\n2\n3\n", 1, "positive whole number" },
        { "0\n1\n", 1, "positive whole number" },
        { "-1\n1\n", 1, "positive whole number" },
        { "x\n1\n", 1, "not a number" },
        { "101\n1\n", 1, "at most 100" },
        { "50\n1,1\n", 1, "at most 49" },
        { "3\n1\n2\n", 4, "file ends before the coefficient of x^1" },
        { "3\n1\n2\n\n4\n", 4, "empty line" },
        { "2\n1\n1.2.3\n4\n", 3, "\"1.2.3\" is not a number" },
        { "2\n1\n1/0\n4\n", 3, "division by zero" },
        { "1\n1,x\n4\n", 2, "imaginary part" },
        { "2\n0\n1\n4\n", 2, "leading coefficient is 0" },
        { "1\n0,0\n1,1\n", 2, "leading coefficient is 0" },
        { "1\n,\n1,1\n", 2, "leading coefficient is 0" },
    };
    for (const Case &c : cases) {
        const InputError e = error(cli::ParseCoefficientText(c.text));
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_NE(e.message.find(c.says), std::string::npos) << c.text << " gave: " << e.message;
        EXPECT_EQ(e.message.find('\n'), std::string::npos);
    }
}

TEST(CoefficientInput, ArgumentsAreLeadingFirstAndComplexWithAComma)
{
    EXPECT_EQ(polynomial(cli::ParseCoefficientArguments({ "1", "-3", "2" })).coefficients,
        (std::vector<Complex> { 2.0, -3.0, 1.0 }));
    const Polynomial p = polynomial(cli::ParseCoefficientArguments({ "1,1", "-2" }));
    EXPECT_TRUE(p.complex);
    EXPECT_EQ(p.coefficients, (std::vector<Complex> { -2.0, Complex(1, 1) }));

    EXPECT_EQ(error(cli::ParseCoefficientArguments({ "1", "two", "3" })).line, 2);
    EXPECT_EQ(error(cli::ParseCoefficientArguments({ "0", "1" })).line, 1);
    EXPECT_NE(error(cli::ParseCoefficientArguments({ "5" })).message.find("at least two"), std::string::npos);
    EXPECT_NE(error(cli::ParseCoefficientArguments(std::vector<std::string>(51, "1,0"))).message.find("at most 49"),
        std::string::npos);
}

} // namespace
