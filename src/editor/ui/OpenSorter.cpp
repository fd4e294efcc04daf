#include "editor/ui/OpenSorter.h"

#include "editor/ui/MainWindow.h"
#include "sorter/SorterOpening.h"
#include "sorter/ui/SorterWindow.h"

#include <QPushButton>

void ConnectPictureSorter(MainWindow& window) {
    window.seams.openSorter = [&window] {
        switch (AskToOpenSorter(window.project().SlideCount(), window.prompter())) {
        case SorterOpening::Refused:
            window.ui.cmdAdd->setFocus();
            return;
        case SorterOpening::Declined:
            return;
        case SorterOpening::Confirmed:
            break;
        }
        {
            // Each swap is a step the Edit menu can take back.
            SorterWindow sorter(window.document(), window.prompter(), &window);
            sorter.exec();
        }
        window.ShowCurrentSlide();
    };
}
