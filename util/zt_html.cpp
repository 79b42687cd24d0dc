#include "util/zt_html.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace {

using Attribute = std::pair<std::string_view, const std::string&>;

// Appends ` attr="value"` for every non-empty value, in the given order.
void AppendAttributes(std::string& text, std::initializer_list<Attribute> attributes) {
    for (const auto& [attribute, value] : attributes) {
        if (value.empty()) continue;
        text += ' ';
        text += attribute;
        text += "=\"";
        text += value;
        text += '"';
    }
}

std::string Tag(std::string_view name, std::initializer_list<Attribute> attributes) {
    std::string text = "<";
    text += name;
    AppendAttributes(text, attributes);
    text += '>';
    return text;
}

}  // namespace

std::string HTMLBegin() {
    return "<html>";
}
std::string HTMLEnd() {
    return "</html>";
}

std::string HTMLMetaDescription(const std::string& description) {
    return "<meta name=\"description\" content=\"" + description + "\">";
}

std::string HTMLTitle(const std::string& title) {
    return "<title>" + title + "</title>";
}

std::string HTMLBodyBegin(const std::string& background, const std::string& bgcolor) {
    return Tag("body", {{"background", background}, {"bgcolor", bgcolor}});
}

std::string HTMLBodyEnd() {
    return "</body>";
}

std::string HTMLFont(const std::string& face, const std::string& size, const std::string& color) {
    return Tag("font", {{"face", face}, {"size", size}, {"color", color}});
}

std::string HTMLBreak() {
    return "<br>";
}

std::string HTMLTableBegin(const std::string& border, const std::string& width,
                           const std::string& bordercolor, const std::string& bordercolorlight,
                           const std::string& bordercolordark, const std::string& bgcolor,
                           const std::string& cellpadding, const std::string& cellspacing) {
    return Tag("table", {{"border", border},
                         {"width", width},
                         {"bordercolor", bordercolor},
                         {"bordercolorlight", bordercolorlight},
                         {"bordercolordark", bordercolordark},
                         {"bgcolor", bgcolor},
                         {"cellpadding", cellpadding},
                         {"cellspacing", cellspacing}});
}

std::string HTMLTableEnd() {
    return "</table>";
}
std::string HTMLRowBegin() {
    return "<tr>";
}
std::string HTMLRowEnd() {
    return "</tr>";
}

std::string HTMLCellBegin(const std::string& valign, const std::string& width,
                          const std::string& height) {
    return Tag("td", {{"valign", valign}, {"width", width}, {"height", height}});
}

std::string HTMLCellEnd() {
    return "</td>";
}

std::string HTMLImage(const std::string& src, const std::string& width, const std::string& height,
                      const std::string& border, const std::string& align) {
    static const std::string kNone;
    std::string text = "<img src=\"" + src + "\"";
    AppendAttributes(text, {{"width", width},
                            {"height", height},
                            {"border", border == "0" ? kNone : border},
                            {"align", align}});
    text += '>';
    return text;
}

std::string HTMLLink(const std::string& url, const std::string& text) {
    return "<a href=\"" + url + "\">" + text + "</a>";
}
