// The texts of the panel protocol: the payload the plug-in sends and the values it reads back
// from what a panel (which is outside the plug-in) sends.
#include "panels/PanelPayload.h"
#include "frame/Preferences.h"
#include "frame/TextFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string Extract(const std::string& payload, const std::string& key) {
    std::string value = "<untouched>";
    ExtractPayloadValue(payload, key, &value);
    return value;
}

TEST(PanelPayload, WritesOneLineOfStringValuesInOrder) {
    EXPECT_EQ(PanelPayload().Add("radius", 100.0).Add("lobes", int32_t{4}).Add("width", 1.5).Text(),
              R"({"radius" : "100", "lobes" : "4", "width" : "1.5"})");
    EXPECT_EQ(
        PanelPayload(PanelPayload::kCompactSeparator).Add("width", 1.0 / 3).Add("on", true).Add("off", false).Text(),
        R"({"width": "0.333333", "on": "1", "off": "0"})");
    EXPECT_EQ(PanelPayload().Text(), "{}");
    EXPECT_EQ(FormatNumber(1234567.0), "1.23457e+06");
    EXPECT_EQ(FormatNumber(-0.0), "-0");
    EXPECT_EQ(FormatInteger(-2147483647 - 1), "-2147483648");
}

TEST(PanelPayload, ExtractsTheTextBetweenTheQuotesOfACompactObject) {
    const std::string compact = R"({"radius":"50","lobes":"5","width":"1.2"})";
    EXPECT_EQ(Extract(compact, "width"), "1.2");
    EXPECT_EQ(Extract(compact, "radius"), "50");
    // A space after the colon shifts the start onto the opening quote: empty.
    EXPECT_EQ(Extract(R"({"radius": "50"})", "radius"), "");
    EXPECT_EQ(Extract(R"({"radius":""})", "radius"), "");
    // The first occurrence wins, also inside another value.
    EXPECT_EQ(Extract(R"({"a":"x","a":"y"})", "a"), "x");
    // A missing key leaves the value alone; a key at the very end reads past nothing.
    EXPECT_EQ(Extract(compact, "height"), "<untouched>");
    EXPECT_EQ(Extract(R"("radius")", "radius"), "");
    EXPECT_EQ(Extract(R"("radius":)", "radius"), "");
    EXPECT_EQ(Extract(R"("radius":")", "radius"), "");
    // An unterminated value runs to the end of the text.
    EXPECT_EQ(Extract(R"({"radius":"50)", "radius"), "50");
    EXPECT_EQ(Extract("", "radius"), "<untouched>");
}

TEST(PanelPayload, ReadsLeadingNumbersAndTruthStrictly) {
    EXPECT_EQ(ReadLeadingNumber("1.2"), 1.2);
    EXPECT_EQ(ReadLeadingNumber("  -3.5e2xyz"), -350.0);
    EXPECT_EQ(ReadLeadingNumber("+.5"), 0.5);
    EXPECT_EQ(ReadLeadingNumber("7."), 7.0);
    EXPECT_EQ(ReadLeadingNumber("2e"), 2.0);
    EXPECT_EQ(ReadLeadingNumber("1e+"), 1.0);
    EXPECT_EQ(ReadLeadingNumber(""), 0.0);
    EXPECT_EQ(ReadLeadingNumber("abc"), 0.0);
    EXPECT_EQ(ReadLeadingNumber("-"), 0.0);
    EXPECT_EQ(ReadLeadingNumber("."), 0.0);
    EXPECT_EQ(ReadLeadingNumber("inf"), 0.0);
    EXPECT_EQ(ReadLeadingNumber("nan"), 0.0);
    EXPECT_EQ(ReadLeadingNumber("0x10"), 0.0);
    // Outside the range of a double: no number.
    EXPECT_EQ(ReadLeadingNumber("1e999"), 0.0);
    EXPECT_EQ(ReadLeadingNumber("1e300"), 1e300);
    EXPECT_EQ(ReadLeadingNumber(std::string(5000, '9')), 0.0);

    EXPECT_EQ(ReadLeadingInteger("12"), 12);
    EXPECT_EQ(ReadLeadingInteger("3.9"), 3);
    EXPECT_EQ(ReadLeadingInteger("2e9"), 2);
    EXPECT_EQ(ReadLeadingInteger(" -7 lobes"), -7);
    EXPECT_EQ(ReadLeadingInteger("x5"), 0);
    EXPECT_EQ(ReadLeadingInteger("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ReadLeadingInteger("-99999999999"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ReadLeadingInteger(std::string(100000, '9')), std::numeric_limits<int32_t>::max());

    EXPECT_TRUE(ReadTruth("true"));
    EXPECT_FALSE(ReadTruth("True"));
    EXPECT_FALSE(ReadTruth("1"));
    EXPECT_FALSE(ReadTruth("true "));
}

TEST(PanelPayload, FieldsTakeWhatIsThereAndKeepWhatIsMissing) {
    double radius = 100;
    int32_t lobes = 4;
    bool fermat = true;
    const std::string payload = R"({"radius":"abc","turns":"8","fermat":"false"})";
    ReadPayloadField(payload, "radius", &radius);
    ReadPayloadField(payload, "lobes", &lobes);
    ReadPayloadField(payload, "fermat", &fermat);
    EXPECT_EQ(radius, 0.0);
    EXPECT_EQ(lobes, 4);
    EXPECT_FALSE(fermat);

    // A megabyte of text without a closing quote is read to its end and no further.
    std::string huge = R"({"lobes":")" + std::string(1 << 20, '7');
    ReadPayloadField(huge, "lobes", &lobes);
    EXPECT_EQ(lobes, std::numeric_limits<int32_t>::max());
}

TEST(PreferencesElement, WritesChildrenWithoutSpacesInTheDefaultFormat) {
    PreferencesElement rose("rose");
    rose.Add("radius", 100.0).Add("lobes", int32_t{4}).Add("width", 1.5);
    EXPECT_EQ(rose.Text(), "<rose><radius>100</radius><lobes>4</lobes><width>1.5</width></rose>");
    EXPECT_EQ(PreferencesElement("grid").Text(), "<grid></grid>");
    EXPECT_EQ(PreferencesElement("x").Add("a", 0.1 + 0.2).Text(), "<x><a>0.3</a></x>");
}

}  // namespace
