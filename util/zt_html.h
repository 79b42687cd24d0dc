// Tag writers for building a web page line by line. Each returns the text of one tag; values
// are inserted as given, so the caller escapes whatever text needs it.
#pragma once

#include <string>

// Attribute parameters that are empty leave their attribute out.
std::string HTMLBegin();
std::string HTMLEnd();
std::string HTMLMetaDescription(const std::string& description);
std::string HTMLTitle(const std::string& title);
std::string HTMLBodyBegin(const std::string& background = {}, const std::string& bgcolor = {});
std::string HTMLBodyEnd();
std::string HTMLFont(const std::string& face = {}, const std::string& size = {},
                     const std::string& color = {});
std::string HTMLBreak();
std::string HTMLTableBegin(const std::string& border = {}, const std::string& width = {},
                           const std::string& bordercolor = {},
                           const std::string& bordercolorlight = {},
                           const std::string& bordercolordark = {}, const std::string& bgcolor = {},
                           const std::string& cellpadding = {},
                           const std::string& cellspacing = {});
std::string HTMLTableEnd();
std::string HTMLRowBegin();
std::string HTMLRowEnd();
std::string HTMLCellBegin(const std::string& valign = {}, const std::string& width = {},
                          const std::string& height = {});
std::string HTMLCellEnd();
// src is always written, even empty; a border of "0" is the browsers' default and is left out.
std::string HTMLImage(const std::string& src, const std::string& width = {},
                      const std::string& height = {}, const std::string& border = {},
                      const std::string& align = {});
std::string HTMLLink(const std::string& url, const std::string& text);
