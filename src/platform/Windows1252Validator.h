// Keeps an edit box to the characters that the settings file's code page can hold.
#pragma once

#include <QValidator>

namespace varno {

// Drops every character Windows-1252 has no byte for (from typing and from a paste alike) and
// keeps the rest, so a corner text comes back from the settings file exactly as it was typed.
class Windows1252Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace varno
