// The links-file reader, the local copy's name and the address rules of the news-link directory.
#include <gtest/gtest.h>

#include <random>

#include "components/ztLinkora.h"

namespace linkora {
// Readable failures.
void PrintTo(const Link& l, std::ostream* os) {
    *os << "{\"" << l.caption << "\" " << l.picture << "/" << l.selectedPicture << " " << l.address
        << "}";
}
void PrintTo(const Group& g, std::ostream* os) {
    *os << "{\"" << g.caption << "\" " << g.picture << "/" << g.selectedPicture << " [";
    for (const Link& l : g.links) PrintTo(l, os);
    *os << "]}";
}
}  // namespace linkora

namespace {

using linkora::Group;
using linkora::Link;

std::vector<Group> Read(std::string_view file) {
    return linkora::ReadLinks(linkora::LinksText(file));
}

TEST(LinksFile, GroupsAndLinksInNumberOrder) {
    const std::vector<Group> groups = Read(
        "[Linkora]\r\n"
        "; a comment\r\n"
        "item5=0203 Vijf\r\n"  // group 5 without group 4 is shown
        "subitem4-0=0405 Orphan|http://orphan.example/\r\n"
        "SUBITEM5-1=0607  Second  |  https://b.example/x  \r\n"  // names in any case
        "subitem5-0=0809 First|http://a.example/\r\n"
        "subitem5-0=1010 Not the first line of its name|http://dup.example/\r\n"
        "item0=1112 Nul\r\n"
        "subitem0-99=1314 Last|mailto:a@b.example\r\n"
        "subitem0-100=0000 Beyond 99|http://no.example/\r\n"
        "item100=0000 Beyond 99\r\n"
        "item 1=0000 Not a name we read\r\n");
    const std::vector<Group> expected = {
        {"Nul", 11, 12, {{"Last", 13, 14, "mailto:a@b.example"}}},
        {"Vijf",
         2,
         3,
         {{"First", 8, 9, "http://a.example/"}, {" Second", 6, 7, "https://b.example/x"}}},
    };
    EXPECT_EQ(groups, expected);
}

TEST(LinksFile, NodeTextByPosition) {
    struct Case {
        const char* value;
        linkora::NodeText expected;
        const char* covers;
    };
    const Case cases[] = {
        {"0102 Caption", {1, 2, "Caption"}, "numbers, separator, caption"},
        {"0102xCaption", {1, 2, "Caption"}, "any single separator"},
        {"0102 ", {1, 2, ""}, "nothing after the separator"},
        {"0102", {1, 2, ""}, "shorter than six characters: empty caption"},
        {"15", {0, 0, ""}, "second number missing"},
        {"", {0, 0, ""}, "empty value"},
        {"a102 X", {0, 0, "X"}, "first number not decimal"},
        {"01b2 X", {0, 0, "X"}, "second number not decimal"},
        {"-1-2 X", {0, 0, "X"}, "signs are not decimal numbers"},
        {" 1 2 X", {0, 0, "X"}, "blanks are not digits"},
        {"9999 Wide", {99, 99, "Wide"}, "numbers beyond the pictures are kept"},
        {"0102 \xC3\xA9t\xC3\xA9", {1, 2, "\xC3\xA9t\xC3\xA9"}, "UTF-8 caption"},
        {"\xC3\xA9"
         "102 X",
         {0, 0, "X"},
         "characters, not bytes, are counted"},
    };
    for (const Case& c : cases) EXPECT_EQ(linkora::ReadNodeText(c.value), c.expected) << c.covers;
}

TEST(LinksFile, LinkLines) {
    const std::string longAddress = "http://x.example/" + std::string(200, 'a');
    const std::vector<Group> groups = Read(
        "item1=0000 G\n"
        "subitem1-0=0102 Without a bar http://no.example/\n"
        "subitem1-1=  0304 Caption part is trimmed  |http://a.example/\n"
        "subitem1-2=0506 Long|" +
        longAddress +
        "\n"
        "subitem1-3=0708 Bars|http://b.example/?q=a|b\n"
        "subitem1-4=x|http://c.example/\n"
        "subitem1-5=0910 Empty address|\n");
    ASSERT_EQ(groups.size(), 1u);
    const std::vector<Link> expected = {
        {"Caption part is trimmed", 3, 4, "http://a.example/"},
        {"Long", 5, 6, longAddress.substr(0, 128)},
        {"Bars", 7, 8, "http://b.example/?q=a|b"},
        {"", 0, 0, "http://c.example/"},
        {"Empty address", 9, 10, ""},
    };
    EXPECT_EQ(groups[0].links, expected);
}

TEST(LinksFile, LinesAndEncodings) {
    // Every kind of line end, a byte-order mark, empty lines.
    const std::vector<Group> groups = Read(
        "\xEF\xBB\xBFitem0=0000 A\r\nitem1=0000 B\ritem2=0000 C\nitem3=0000 D\r\n\r\nitem4=0000 E");
    std::string captions;
    for (const Group& g : groups) captions += g.caption;
    EXPECT_EQ(captions, "ABCDE");
    // Windows-1252 (how such files are written) becomes UTF-8; valid UTF-8 stays.
    EXPECT_EQ(Read("item0=0000 Caf\xE9 \x80")[0].caption, "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(Read("item0=0000 Caf\xC3\xA9")[0].caption, "Caf\xC3\xA9");
    EXPECT_TRUE(Read("").empty());
    EXPECT_TRUE(Read(std::string(1000, '\n')).empty());
}

TEST(LinksFile, ServerErrorPageOnTheFirstLine) {
    struct Case {
        const char* file;
        bool error;
    };
    const Case cases[] = {
        {"<html><title>404 Not Found</title>\nitem0=0000 G", true},
        {"[Linkora] 404\nitem0=0000 G", true},  // a file that happens to hold 404
        {"[Linkora]\nitem0=0000 Error 404", false},
        {"", false},  // nothing to test: an empty tree, no error
        {"\n404", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linkora::LooksLikeServerError(linkora::LinksText(c.file)), c.error) << c.file;
    }
    EXPECT_TRUE(Read("").empty());
}

TEST(LinksFile, HostileInput) {
    // A huge line, a huge name, a line of "=" and a flood of groups.
    std::string file = "item0=0000 " + std::string(4'000'000, 'x') + "\n";
    file += std::string(1'000'000, 'i') + "=0000 no\n" + std::string(100'000, '=') + "\n";
    for (int n = 0; n < 200; ++n) {
        file += "item" + std::to_string(n) + "=0000 g\n";
        for (int m = 0; m < 120; ++m) {
            file += "subitem" + std::to_string(n) + "-" + std::to_string(m) + "=0000 l|http://x/\n";
        }
    }
    const std::vector<Group> groups = Read(file);
    ASSERT_EQ(groups.size(), 100u);
    EXPECT_EQ(groups[0].caption.size(), 4'000'000u);
    EXPECT_EQ(groups[99].links.size(), 100u);

    // Binary data: no fault, and whatever comes out is valid text.
    std::mt19937 random(13);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(4096, '\0');
        for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
        bytes.replace(0, 6, "item0=");
        for (const Group& g : Read(bytes)) EXPECT_EQ(g.caption.find('\0'), std::string::npos);
    }
}

TEST(LinksFile, LocalCopyStaysInItsFolder) {
    struct Case {
        const char* url;
        const char* name;
    };
    const Case cases[] = {
        {"https://www.valomat.example/Linkora_Eng.inf", "Linkora_Eng.inf"},
        {"Linkora.inf", "inkora.inf"},  // no "/": all but the first character
        {"/x.inf", "x.inf"},
        {"", "Linkora.inf"},
        {"h", "Linkora.inf"},
        {"https://www.valomat.example/", "Linkora.inf"},
        {"https://www.valomat.example/..", "Linkora.inf"},
        {"https://www.valomat.example/. .", "Linkora.inf"},
        {"https://h.example/..\\..\\Windows\\evil.exe", ".._.._Windows_evil.exe"},
        {"https://h.example/C:evil", "C_evil"},
        {"https://h.example/CON", "_CON"},
        {"https://h.example/com1.inf", "_com1.inf"},
        {"https://h.example/q.inf?lang=nl#top", "q.inf_lang=nl_top"},
        {"https://h.example/a\x01"
         "b",
         "a_b"},
    };
    for (const Case& c : cases) EXPECT_EQ(linkora::LocalCopyName(c.url), c.name) << c.url;
    EXPECT_EQ(linkora::LocalCopyName("http://h/" + std::string(300, 'a')), "Linkora.inf");
}

TEST(LinksFile, AddressRules) {
    struct Case {
        const char* address;
        bool mayOpen;
    };
    const Case cases[] = {
        {"http://a.example/", true},
        {"HTTPS://a.example/", true},
        {"mailto:a@b.example", true},
        {"MailTo:a@b.example", true},
        {"file:///c:/windows/system32/calc.exe", false},
        {"c:\\windows\\system32\\calc.exe", false},
        {"\\\\server\\share\\x.exe", false},
        {"calc.exe", false},
        {"javascript:alert(1)", false},
        {"httpx://a.example/", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(linkora::MayOpen(c.address), c.mayOpen) << c.address;
}

TEST(LinksFile, StatusTexts) {
    using linkora::StatusPart;
    EXPECT_EQ(linkora::StatusText(lgNederlands, StatusPart::ConnectionError, StatusPart::Aborted),
              "Connectie fout, aanvraag afgebroken");
    EXPECT_EQ(
        linkora::StatusText(lgNederlands, StatusPart::ServerNotFound, StatusPart::UsingPrevious),
        "Web server niet gevonden, vorige update zal gebruikt worden");
    EXPECT_EQ(
        linkora::StatusText(lgEnglish, StatusPart::ConnectionError, StatusPart::UsingPrevious),
        "Connection error, using previous update");
    // Every language but Dutch gets the English texts.
    EXPECT_EQ(linkora::StatusText(lgFrancais, StatusPart::ServerNotFound, StatusPart::Aborted),
              "Web server not found, request aborted");
    EXPECT_EQ(linkora::ConnectingText(lgNederlands, "http://x/"), "Connectie maken met: http://x/");
    EXPECT_EQ(linkora::ConnectingText(lgDeutsch, "http://x/"), "Connecting to: http://x/");
}

}  // namespace
