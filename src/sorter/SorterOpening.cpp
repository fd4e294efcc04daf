#include "sorter/SorterOpening.h"

SorterEstimate EstimateSorterTime(qint16 count) {
    if (count > 60)
        return {count / 60, count % 60};
    return {0, count};
}

MessageBoxRequest TooFewPicturesMessage(qint16 count) {
    return {QStringLiteral("You need at least 2 pictures before you can swap positions!\n"
                           "You currently have: ") +
                QString::number(count) + QStringLiteral(" Pictures Selected"),
            QStringLiteral("You need at least 2 Pictures to swap"), MsgButtons::Ok,
            MsgIcon::Exclamation, std::nullopt};
}

MessageBoxRequest SorterEstimateQuestion(qint16 count) {
    const SorterEstimate e = EstimateSorterTime(count);
    return {QStringLiteral("Setting up the Sort Form will take approximately %1 minutes and %2 "
                           "seconds.\n%3Shall I continue?")
                .arg(e.minutes)
                .arg(e.seconds)
                .arg(QString(44, QLatin1Char(' '))),
            QStringLiteral("Continue ?"), MsgButtons::YesNo, MsgIcon::Question, std::nullopt};
}

SorterOpening AskToOpenSorter(qint16 count, Prompter& ui) {
    if (count < 2) {
        ui.messageBox(TooFewPicturesMessage(count));
        return SorterOpening::Refused;
    }
    if (ui.messageBox(SorterEstimateQuestion(count)) != MsgResult::Yes)
        return SorterOpening::Declined;
    return SorterOpening::Confirmed;
}
