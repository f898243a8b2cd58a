// The user's decimal separator, for the angle edit.
#pragma once

namespace varno {

// The default locale's decimal separator when it is one ASCII character, otherwise ".".
char LocaleDecimalSeparator();

}  // namespace varno
