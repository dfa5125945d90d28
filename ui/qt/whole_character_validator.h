#pragma once

#include <QValidator>

namespace veltrop {

// Keeps a line edit's text free of half characters: its length limit counts
// UTF-16 units and can cut a character outside the Basic Multilingual Plane
// (most emoji) in two; the lone half is dropped, so such a character goes
// in whole or not at all.
class WholeCharacterValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

}  // namespace veltrop
