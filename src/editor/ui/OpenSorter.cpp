#include "editor/ui/OpenSorter.h"

#include "editor/ui/Form1.h"
#include "sorter/SorterOpening.h"
#include "sorter/ui/AllImages.h"

#include <QPushButton>

void ConnectPictureSorter(Form1& window) {
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
            AllImages sorter(window.project(), window.prompter(), &window);
            sorter.exec();
        }
        window.ShowCurrentSlide();
    };
}
