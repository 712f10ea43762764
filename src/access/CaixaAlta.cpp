#include "CaixaAlta.h"

#include <QLineEdit>
#include <QValidator>

namespace acesso {

namespace {
class UpperCaseValidator : public QValidator
{
public:
    UpperCaseValidator(int maxLength, QObject *parent) : QValidator(parent), m_maxLength(maxLength) {}
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        // Some letters grow in upper case (ß gives SS): the width still holds.
        return input.size() <= m_maxLength ? Acceptable : Invalid;
    }

private:
    int m_maxLength;
};
} // namespace

void makeUpperCaseEdit(QLineEdit *edit, int maxLength)
{
    edit->setMaxLength(maxLength);
    edit->setValidator(new UpperCaseValidator(maxLength, edit));
}

} // namespace acesso
