#include "ui/qt/whole_character_validator.h"

#include <cstddef>
#include <string>

#include "runtime/whole_characters.h"

namespace veltrop {

QValidator::State WholeCharacterValidator::validate(QString& input, int& pos) const {
    std::u16string text = input.toStdU16String();
    auto caret = static_cast<std::size_t>(pos);
    runtime::DropSplitCharacters(text, caret);
    if (text.size() != static_cast<std::size_t>(input.size())) {
        input = QString::fromStdU16String(text);
        pos = static_cast<int>(caret);
    }
    return Acceptable;
}

}  // namespace veltrop
