#include "editor/ui/OpenSorter.h"

#include "editor/ui/MainWindow.h"
#include "editor/ui/undo/EditHistory.h"
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
            SorterWindow sorter(window.project(), window.prompter(), &window);
            // Each swap becomes a step the Edit menu can take back.
            sorter.reportSwapsTo(&window.history());
            sorter.exec();
        }
        window.ShowCurrentSlide();
    };
}
