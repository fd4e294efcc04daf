#include "editor/FileFullMessage.h"

#include "platform/Prompter.h"

void ShowFileFullMessage(Prompter& ui) {
    ui.inform(QStringLiteral("End of the line. You have alot of Pictures\r\n"
                             "Compile this and you'll have to make another file.\r\n\r\n"
                             "Press the 'Make HTML File' Button to finish!"),
              QStringLiteral("File is full!"));
}

void SayWhenFull(GrowOutcome outcome, Prompter& ui) {
    if (outcome == GrowOutcome::Full)
        ShowFileFullMessage(ui);
}
