#include "accessible_names.h"

#include <QWidget>
#include <array>

namespace dephlegmator {
namespace {

struct AccessibleName {
    const char* control;
    const char* name;
};

constexpr std::array kNames = std::to_array<AccessibleName>({
    {"Text1", "Температура конденсации, °С"},
    {"Text2", "Температура воды на входе, °С"},
    {"Text3", "Высота дефлегматора, см"},
    {"Text4", "Диаметр дефлегматора, см"},
    {"Text5", "Площадь поверхности дефлегматора, см²"},
    {"Text7", "Внешнее охлаждение: тепловая нагрузка, Вт"},
    {"Text8", "Внешнее охлаждение: расход воды, л/мин"},
    {"Text9", "Внешнее охлаждение: температура воды на выходе, °С"},
    {"Text71", "Автономное охлаждение: тепловая нагрузка, Вт"},
    {"Text81", "Автономное охлаждение: расход воды, л/мин"},
    {"Text91", "Автономное охлаждение: температура воды на выходе, °С"},
    {"Text10", "Площадь поверхности, см²"},
    {"Option1", "Температура конденсации СР, 78 °С"},
    {"Option2", "Температура конденсации СС, 88 °С"},
    {"Option3", "Другая температура конденсации"},
    {"Option4", "Дефлегматор задан высотой и диаметром, см"},
    {"Option5", "Дефлегматор задан площадью поверхности, см²"},
    {"Option6", "Задана температура воды на выходе"},
    {"Option7", "Задана тепловая нагрузка"},
    {"Option8", "Задан расход воды"},
    {"Command1", "Пересчет (Enter)"},
});

constexpr std::array kGivenQuantities = std::to_array<AccessibleName>({
    {"Label7", "Заданная температура воды на выходе, °С"},
    {"Label8", "Заданная тепловая нагрузка, Вт"},
    {"Label9", "Заданный расход воды, л/мин"},
});

}  // namespace

void NameControls(QWidget* window) {
    for (const auto& [control, name] : kNames) {
        if (auto* widget = window->findChild<QWidget*>(QString::fromUtf8(control))) {
            widget->setAccessibleName(QString::fromUtf8(name));
        }
    }
    if (auto* given = window->findChild<QWidget*>(QStringLiteral("Text6"))) {
        given->setAccessibleName(GivenQuantityName(QStringLiteral("Label7")));
    }
}

QString GivenQuantityName(const QString& unitLabel) {
    for (const auto& [label, name] : kGivenQuantities) {
        if (unitLabel == QLatin1String(label)) return QString::fromUtf8(name);
    }
    return QString::fromUtf8(kGivenQuantities.front().name);
}

}  // namespace dephlegmator
