#pragma once

#include <QString>

#include <string_view>

namespace kolva::ui {

// A text of the model, which keeps its texts as UTF-8, as Qt shows it.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kolva::ui
