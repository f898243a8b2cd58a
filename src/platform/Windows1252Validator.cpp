// Removing the characters outside Windows-1252 from an edit's text.
#include "platform/Windows1252Validator.h"

#include "platform/Windows1252.h"

namespace varno {

QValidator::State Windows1252Validator::validate(QString& input, int& position) const {
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (CanEncodeInWindows1252(input[i])) {
            kept.append(input[i]);
            if (i < position) {
                ++keptBeforeCursor;
            }
        }
    }
    input = kept;
    position = keptBeforeCursor;
    return Acceptable;
}

}  // namespace varno
