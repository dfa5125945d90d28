#include "ui/qt/whole_character_validator.h"

namespace veltrop {

QValidator::State WholeCharacterValidator::validate(QString& input, int& pos) const {
    for (qsizetype i = 0; i < input.size();) {
        if (input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate()) {
            i += 2;
        } else if (input[i].isSurrogate()) {
            input.remove(i, 1);
            if (pos > i) {
                --pos;
            }
        } else {
            ++i;
        }
    }
    return Acceptable;
}

}  // namespace veltrop
