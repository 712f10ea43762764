#pragma once

class QLineEdit;

namespace acesso {

// Typed or pasted letters turn upper case, and no more than `maxLength` characters
// (the column's width) can be entered.
void makeUpperCaseEdit(QLineEdit *edit, int maxLength);

} // namespace acesso
