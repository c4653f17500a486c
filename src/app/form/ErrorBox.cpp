#include "form/ErrorBox.h"

#include "folder/FileNames.h"
#include "text/Cp932.h"

namespace veskor {

std::string ErrorCaption(const std::string& programPath, const TextRules& rules)
{
    std::string name = FileNameOf(programPath);
    name = name.substr(0, name.find('.'));
    if (name.empty())
        return name;
    const size_t first = CharLength(name, 0);
    std::string rest = name.substr(first);
    rules.LowerCase(rest);
    return name.substr(0, first) + rest;
}

std::string ErrorText(const std::string& message)
{
    if (message.empty())
        return message;
    size_t last = 0;
    for (size_t i = 0; i < message.size(); i += CharLength(message, i))
        last = i;
    // A double-byte character's lead byte is above "." too, so Japanese messages get their
    // "."; but one that already ends its sentence with the ideographic full stop (every
    // Japanese system message does) would read "。.".
    if (message.compare(last, std::string::npos, "。") == 0)
        return message;
    return static_cast<unsigned char>(message[last]) > '.' ? message + "." : message;
}

}  // namespace veskor
