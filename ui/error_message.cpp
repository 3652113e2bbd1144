#include "error_message.h"

#include <QMessageBox>

namespace dephlegmator {

QString CalcErrorMessage(CalcError::Kind kind) {
    const QString prefix = QStringLiteral("Ошибка вычисления: ");
    switch (kind) {
        case CalcError::Kind::Overflow:
            return prefix + QStringLiteral("переполнение.");
        case CalcError::Kind::DivisionByZero:
            return prefix + QStringLiteral("деление на ноль.");
        case CalcError::Kind::InvalidOperation:
            return prefix + QStringLiteral("недопустимая операция.");
        case CalcError::Kind::InvalidArgument:
            return prefix + QStringLiteral("недопустимый аргумент логарифма.");
    }
    return prefix.chopped(2) + QStringLiteral(".");
}

void ShowCalcError(QWidget* parent, const CalcError& error) {
    QMessageBox::critical(parent, QStringLiteral("Ошибка"), CalcErrorMessage(error.kind()));
}

}  // namespace dephlegmator
