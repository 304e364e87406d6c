// The syntax shared by path data and attribute texts: numbers at their edges, lengths with units,
// transform lists and colour forms.
#include "io/PathData.h"
#include "io/SvgSyntax.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace scribera::io;

namespace {

// The message of the SvgError `read` throws; empty when it throws none.
template <class Read>
std::string ErrorOf(Read read) {
    try {
        read();
    } catch (const SvgError& e) {
        return e.what;
    }
    return "";
}

void ExpectRgb(const SBColor& c, double r, double g, double b) {
    ASSERT_EQ(c.kind, SB_COLOR_THREE);
    EXPECT_NEAR(c.c.three.red, r, 1e-12);
    EXPECT_NEAR(c.c.three.green, g, 1e-12);
    EXPECT_NEAR(c.c.three.blue, b, 1e-12);
}

}  // namespace

TEST(SvgSyntax, ANumberEndsWhereItsSyntaxEnds) {
    struct Case {
        const char* text;
        double value;
        const char* rest;
    };
    // An exponent counts only with digits; a second point starts the next number.
    const Case cases[] = {{"1e5", 1e5, ""},        {"2em", 2, "em"}, {"1e", 1, "e"},   {"1e+", 1, "e+"},
                          {"-.5E-1x", -0.05, "x"}, {"+.5", 0.5, ""}, {"5.", 5, ""},    {"1.2.3", 1.2, ".3"},
                          {"1e-2.5", 0.01, ".5"},  {"-0", 0, ""},    {"1e9", 1e9, ""}, {"7-2", 7, "-2"}};
    for (const Case& c : cases) {
        std::string text = c.text;
        SvgScanner sc(text);
        double v = 0;
        ASSERT_EQ(sc.ScanNumber(&v), SvgScanner::Number::Read) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
        EXPECT_EQ(sc.Rest(), c.rest) << c.text;
    }
    for (const char* text : {"", ".", "-", "+", "-.", "+-1", ".e5", "e5", ",1", " 1"}) {
        std::string t = text;
        SvgScanner sc(t);
        double v = 0;
        EXPECT_EQ(sc.ScanNumber(&v), SvgScanner::Number::Absent) << '"' << text << '"';
        EXPECT_EQ(sc.Pos(), 0u) << text;
    }
    // Too large for artwork, or for a double: refused, with the cursor on the value for the report.
    for (const char* text : {"1000000001", "-2e9", "1e400", "+1e10"}) {
        std::string t = text;
        SvgScanner sc(t);
        double v = 0;
        EXPECT_EQ(sc.ScanNumber(&v), SvgScanner::Number::OutOfRange) << text;
        EXPECT_EQ(sc.Pos(), text[0] == '+' ? 1u : 0u) << text;
    }
}

TEST(SvgSyntax, ANumberReadsTheSameInPathDataAndInAttributes) {
    for (const char* number : {"1e5", "-.5e-1", "+3", "0.1", "7.", "123456.789e-3", "-1e9"}) {
        std::vector<Subpath> path;
        std::string error;
        ASSERT_TRUE(ParsePathData(std::string("M0 ") + number + "L0 0", &path, &error)) << number << ": " << error;
        ASSERT_EQ(path.size(), 1u) << number;
        std::vector<double> list = ParseNumberList(std::string("0 ") + number);
        ASSERT_EQ(list.size(), 2u) << number;
        EXPECT_EQ(path[0].anchors[0].p.v, list[1]) << number;
    }
    for (const char* number : {"1e400", "1.5e9"}) {
        std::vector<Subpath> path;
        std::string error;
        EXPECT_FALSE(ParsePathData(std::string("M0 ") + number + "L0 0", &path, &error)) << number;
        EXPECT_EQ(error, "number out of range at offset 3") << number;
        EXPECT_EQ(ErrorOf([&] { ParseNumberList(std::string("0 ") + number); }),
                  "number out of range in \"0 " + std::string(number) + "\"");
    }
}

TEST(SvgSyntax, NumberListsTakeSpaceOrOneComma) {
    EXPECT_EQ(ParseNumberList(" 1,2 3\t,\n4 "), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(ParseNumberList("1-2.5.5"), (std::vector<double>{1, -2.5, 0.5}));
    EXPECT_TRUE(ParseNumberList("  ").empty());
    EXPECT_EQ(ErrorOf([] { ParseNumberList("1,,2"); }), "expected a number in \"1,,2\"");
    EXPECT_EQ(ErrorOf([] { ParseNumberList(",1"); }), "expected a number in \",1\"");
    EXPECT_EQ(ErrorOf([] { ParseNumberList("1 x"); }), "expected a number in \"1 x\"");
}

TEST(SvgSyntax, LengthsInEveryAbsoluteUnit) {
    EXPECT_DOUBLE_EQ(ParseLength("12", "width"), 12);
    EXPECT_DOUBLE_EQ(ParseLength(" 3PX ", "width"), 3);
    EXPECT_DOUBLE_EQ(ParseLength("1in", "width"), 96);
    EXPECT_DOUBLE_EQ(ParseLength("2.54cm", "width"), 96);
    EXPECT_DOUBLE_EQ(ParseLength("25.4 mm", "width"), 96);
    EXPECT_DOUBLE_EQ(ParseLength("72pt", "width"), 96);
    EXPECT_DOUBLE_EQ(ParseLength("6pc", "width"), 96);
    EXPECT_DOUBLE_EQ(ParseLength("1e2px", "width"), 100);
    EXPECT_DOUBLE_EQ(ParseLength("-1e-1in", "width"), -9.6);
    EXPECT_EQ(ErrorOf([] { ParseLength("2em", "width"); }), "unsupported unit in width \"2em\"");
    EXPECT_EQ(ErrorOf([] { ParseLength("1e", "x"); }), "unsupported unit in x \"1e\"");
    EXPECT_EQ(ErrorOf([] { ParseLength("px", "height"); }), "bad height \"px\"");
    EXPECT_EQ(ErrorOf([] { ParseLength("50%", "r"); }), "unsupported unit in r \"50%\"");

    EXPECT_DOUBLE_EQ(ParseCoordinate("50%", 300, "x1"), 150);
    EXPECT_DOUBLE_EQ(ParseCoordinate(" 1.5e1 % ", 200, "x1"), 30);
    EXPECT_DOUBLE_EQ(ParseCoordinate("1in", 300, "x1"), 96);
    EXPECT_EQ(ErrorOf([] { ParseCoordinate("5px%", 1, "offset"); }), "bad offset \"5px%\"");
}

TEST(SvgSyntax, TransformListsApplyTheFirstOutermost) {
    auto apply = [](const char* text, SBRealPoint p) { return ParseTransform(text).Apply(p); };
    SBRealPoint p = apply("translate(10) scale(2,3)", {1, 1});
    EXPECT_DOUBLE_EQ(p.h, 12);
    EXPECT_DOUBLE_EQ(p.v, 3);
    p = apply("scale(2),translate(10 -1)", {1, 1});
    EXPECT_DOUBLE_EQ(p.h, 22);
    EXPECT_DOUBLE_EQ(p.v, 0);
    p = apply("rotate(90 10 0)", {11, 0});
    EXPECT_NEAR(p.h, 10, 1e-12);
    EXPECT_NEAR(p.v, 1, 1e-12);
    p = apply("matrix(1 2 3 4 5 6)", {1, 1});
    EXPECT_DOUBLE_EQ(p.h, 9);
    EXPECT_DOUBLE_EQ(p.v, 12);
    p = apply("skewX(45)", {0, 2});
    EXPECT_NEAR(p.h, 2, 1e-12);
    p = apply("skewY(45)", {2, 0});
    EXPECT_NEAR(p.v, 2, 1e-12);
    EXPECT_TRUE(ParseTransform("  ").IsIdentity());

    for (const char* bad :
         {"scale()", "rotate(1 2)", "spin(3)", "(1)", "matrix(1 2 3 4 5 6 7)", "translate(1)x", "skewX(1,2)"})
        EXPECT_EQ(ErrorOf([&] { ParseTransform(bad); }), "bad transform \"" + std::string(bad) + "\"") << bad;
    EXPECT_EQ(ErrorOf([] { ParseTransform("translate(1"); }), "expected a number in \"translate(1\"");
    EXPECT_EQ(ErrorOf([] { ParseTransform("scale(1e99)"); }), "number out of range in \"scale(1e99)\"");
}

TEST(SvgSyntax, EveryColourForm) {
    const SBColor current = RgbColour(0.25, 0.5, 0.75);
    auto colour = [&](const char* text) {
        SvgPaint p = ParsePaint(text, current);
        EXPECT_EQ(p.kind, SvgPaint::Colour) << text;
        return p.colour;
    };
    ExpectRgb(colour("#abc"), 0xaa / 255.0, 0xbb / 255.0, 0xcc / 255.0);
    ExpectRgb(colour("#AbCd"), 0xaa / 255.0, 0xbb / 255.0, 0xcc / 255.0);
    ExpectRgb(colour(" #10ff80 "), 0x10 / 255.0, 1, 0x80 / 255.0);
    ExpectRgb(colour("#10ff8000"), 0x10 / 255.0, 1, 0x80 / 255.0);
    ExpectRgb(colour("rgb(255, 0, 51)"), 1, 0, 0.2);
    ExpectRgb(colour("RGBA(100%,50%,0%,0.5)"), 1, 0.5, 0);
    ExpectRgb(colour("rgb(300 -5 1e2)"), 1, 0, 100 / 255.0);
    ExpectRgb(colour("Grey"), 128 / 255.0, 128 / 255.0, 128 / 255.0);
    ExpectRgb(colour("currentColor"), 0.25, 0.5, 0.75);

    EXPECT_EQ(ParsePaint("none", current).kind, SvgPaint::None);
    EXPECT_EQ(ParsePaint("Transparent", current).kind, SvgPaint::None);
    SvgPaint url = ParsePaint("url( '#grad' )", current);
    EXPECT_EQ(url.kind, SvgPaint::Url);
    EXPECT_EQ(url.url, "grad");

    EXPECT_EQ(ErrorOf([&] { ParsePaint("#ab", current); }), "bad colour \"#ab\"");
    EXPECT_EQ(ErrorOf([&] { ParsePaint("#abg", current); }), "bad colour \"#abg\"");
    EXPECT_EQ(ErrorOf([&] { ParsePaint("rgb(1,2)", current); }), "expected a number in \"1,2\"");
    EXPECT_EQ(ErrorOf([&] { ParsePaint("rgb(1,2,3", current); }), "bad colour \"rgb(1,2,3\"");
    EXPECT_EQ(ErrorOf([&] { ParsePaint("url(other.svg#g)", current); }),
              "only local references are supported: \"url(other.svg#g)\"");
    EXPECT_EQ(ErrorOf([&] { ParsePaint("url(#g", current); }), "bad paint \"url(#g\"");
    EXPECT_EQ(ErrorOf([&] { ParsePaint("reddish", current); }), "unknown colour \"reddish\"");
}
