#pragma once

#include <QString>

// The product's name as its windows show it.
inline QString productTitle() {
    return QStringLiteral("英语Phonexa企业版");
}
