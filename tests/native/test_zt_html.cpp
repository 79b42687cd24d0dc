// The tag writers of the web page.
#include <gtest/gtest.h>

#include <string>

#include "util/zt_html.h"

namespace {

struct WriterCase {
    const char* what;
    std::string actual;
    std::string expected;
};

void ExpectAll(std::initializer_list<WriterCase> cases) {
    for (const WriterCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(ZtHtmlWriters, TagsWithoutParameters) {
    ExpectAll({
        {"html begin", HTMLBegin(), "<html>"},
        {"html end", HTMLEnd(), "</html>"},
        {"body end", HTMLBodyEnd(), "</body>"},
        {"break", HTMLBreak(), "<br>"},
        {"table end", HTMLTableEnd(), "</table>"},
        {"row begin", HTMLRowBegin(), "<tr>"},
        {"row end", HTMLRowEnd(), "</tr>"},
        {"cell end", HTMLCellEnd(), "</td>"},
    });
}

TEST(ZtHtmlWriters, FormatsKeepTheirShapeEvenWhenEmpty) {
    ExpectAll({
        {"meta", HTMLMetaDescription("Valomat"), R"(<meta name="description" content="Valomat">)"},
        {"meta empty", HTMLMetaDescription(""), R"(<meta name="description" content="">)"},
        {"title", HTMLTitle("Valomat"), "<title>Valomat</title>"},
        {"title empty", HTMLTitle(""), "<title></title>"},
        {"link", HTMLLink("https://a.example/", "A"), R"(<a href="https://a.example/">A</a>)"},
        {"link empty", HTMLLink("", ""), R"(<a href=""></a>)"},
    });
}

TEST(ZtHtmlWriters, EmptyAttributesAreLeftOutAndTheRestKeepTheirOrder) {
    ExpectAll({
        {"body none", HTMLBodyBegin("", ""), "<body>"},
        {"body background", HTMLBodyBegin("bg.gif", ""), R"(<body background="bg.gif">)"},
        {"body bgcolor", HTMLBodyBegin("", "#FFFFFF"), R"(<body bgcolor="#FFFFFF">)"},
        {"body both", HTMLBodyBegin("bg.gif", "#FFFFFF"),
         R"(<body background="bg.gif" bgcolor="#FFFFFF">)"},
        {"font none", HTMLFont("", "", ""), "<font>"},
        {"font face size", HTMLFont("Arial", "6"), R"(<font face="Arial" size="6">)"},
        {"font colour only", HTMLFont("", "", "red"), R"(<font color="red">)"},
        {"font all", HTMLFont("Arial", "1", "red"), R"(<font face="Arial" size="1" color="red">)"},
        {"table none", HTMLTableBegin(), "<table>"},
        {"table border width", HTMLTableBegin("1", "780"), R"(<table border="1" width="780">)"},
        {"table border 0 is kept", HTMLTableBegin("0"), R"(<table border="0">)"},
        {"table last only", HTMLTableBegin("", "", "", "", "", "", "", "2"),
         R"(<table cellspacing="2">)"},
        {"table all eight", HTMLTableBegin("1", "2", "3", "4", "5", "6", "7", "8"),
         R"(<table border="1" width="2" bordercolor="3" bordercolorlight="4" )"
         R"(bordercolordark="5" bgcolor="6" cellpadding="7" cellspacing="8">)"},
        {"cell none", HTMLCellBegin(), "<td>"},
        {"cell all", HTMLCellBegin("center", "42", "18"),
         R"(<td valign="center" width="42" height="18">)"},
        {"cell height only", HTMLCellBegin("", "", "20"), R"(<td height="20">)"},
    });
}

TEST(ZtHtmlWriters, ImageAlwaysHasSourceAndNeverBorderZero) {
    ExpectAll({
        {"source only", HTMLImage("Images\\BEF.BMP"), R"(<img src="Images\BEF.BMP">)"},
        {"empty source", HTMLImage(""), R"(<img src="">)"},
        {"border 0", HTMLImage("a.bmp", "", "", "0"), R"(<img src="a.bmp">)"},
        {"border 00", HTMLImage("a.bmp", "", "", "00"), R"(<img src="a.bmp" border="00">)"},
        {"border 1", HTMLImage("a.bmp", "", "", "1"), R"(<img src="a.bmp" border="1">)"},
        {"all", HTMLImage("a.bmp", "20", "21", "2", "left"),
         R"(<img src="a.bmp" width="20" height="21" border="2" align="left">)"},
        {"all but border 0", HTMLImage("a.bmp", "20", "21", "0", "left"),
         R"(<img src="a.bmp" width="20" height="21" align="left">)"},
    });
}

TEST(ZtHtmlWriters, ValuesAreInsertedUnchanged) {
    ExpectAll({
        {"title", HTMLTitle("a<b&\"c"), "<title>a<b&\"c</title>"},
        {"cell", HTMLCellBegin("\"x\""), "<td valign=\"\"x\"\">"},
        {"link", HTMLLink("a&b", "<i>"), "<a href=\"a&b\"><i></a>"},
    });
}

}  // namespace
