#include "ButtonStyles.h"

#include <QPushButton>

void makeProminent(QPushButton *button)
{
    // Only the enabled groups: a disabled prominent button must still look disabled.
    QPalette palette = button->palette();
    for (const auto group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Button, palette.color(group, QPalette::Highlight));
        palette.setColor(
            group, QPalette::ButtonText, palette.color(group, QPalette::HighlightedText));
    }
    button->setPalette(palette);
}
