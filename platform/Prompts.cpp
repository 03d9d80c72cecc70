// Convenience wrappers over the prompt seam.
#include "platform/Prompts.h"

namespace platform {

int messageBox(Prompts &prompts, QWidget *parent, const QString &text, unsigned style, const QString &title)
{
    return prompts.messageBox(parent, text, style, title);
}

} // namespace platform
