#pragma once

#include <QValidator>

// Lets the user type what may become a mass (digits, a decimal point or
// comma, an exponent, and the blanks and separators that are refused with
// a reason when the mass is entered: MassInput::read). It never rewrites
// the text.
class MassTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};
