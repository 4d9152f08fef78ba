// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messages.h"

namespace kalvoran {

const Message kFieldsNotFilled{
    "Es müssen ALLE Felder ( bis auf das Ergebnisfeld ) ausgefüllt sein um diese Berechnung "
    "durchzuführen.",
    "Felder nicht ausgefüllt", Icon::Stop};

const Message kConsumerVoltageHigh{
    "Bei Ihrer Berechnung ist ein Fehner aufgetreten. Die Spannung die Ihre Verbraucher benötigen "
    "ist größer als die Spannung, die Ihre Spannungsquelle liefert. Verringern Sie die Anzahl der "
    "Verbraucher, vergrößern Sie die Quellenspannung oder verringern Sie die Spannung pro "
    "Verbraucher.",
    "Zu hohe Verbrauchsspannung", Icon::Information};

const Message kHelp{
    " Dieses Programm dient zum Errechnen des elektrischen Widerstands. Am einfachsten ist dieses "
    "Programm zu benutzen wenn man sich von oben nach unten durcharbeitet. Alle Felder müssen "
    "ausgefüllt sein, damit die Berechnung durchgeführt werden kann.",
    "Hilfe zum Kalvoran", Icon::Question};

const Message kUnexpectedError{
    "Bei der Bearbeitung ist ein unerwarteter Fehler aufgetreten. Die Felder sind unverändert.",
    "Fehler", Icon::Stop};

namespace {

const char* const kInputTitle = "Ungültige Eingabe";
const char* const kCalculationTitle = "Berechnung nicht möglich";

// The field as the user knows it from the window.
const char* fieldLabel(Field field) {
    switch (field) {
    case Field::Text1:
        return "Quellenspannung";
    case Field::Text2:
        return "Verbrauchsspannung pro Verbraucher";
    case Field::Text3:
        return "Anzahl der Verbraucher";
    case Field::Text5:
        return "Strom";
    case Field::Text4:
        break;
    }
    return "Ergebnis";
}

std::string inField(const HostError& error) {
    return std::string("Der Wert im Feld „") + fieldLabel(error.field().value_or(Field::Text4)) +
           "“";
}

} // namespace

Message errorMessage(const HostError& error) {
    switch (error.kind()) {
    case ErrorKind::NotANumber:
        return {inField(error) + " ist keine gültige Zahl. Geben Sie eine Zahl wie 3,5 ein.",
                kInputTitle, Icon::Stop};
    case ErrorKind::OutOfRange:
        // Beyond the range either way: "-1E400" is far too small rather than too large.
        return {inField(error) + " liegt außerhalb des Zahlenbereichs, mit dem sich rechnen lässt.",
                kInputTitle, Icon::Stop};
    case ErrorKind::DivisionByZero:
        return {"Bei einem Strom von 0 mA lässt sich kein Widerstand errechnen. Geben Sie einen "
                "Strom größer als 0 ein.",
                kCalculationTitle, Icon::Stop};
    case ErrorKind::InvalidOperation:
        return {"Bei einem Strom von 0 mA und einer Restspannung von 0 Volt ist der Widerstand "
                "unbestimmt. Geben Sie einen Strom größer als 0 ein.",
                kCalculationTitle, Icon::Stop};
    case ErrorKind::CurrentTooSmall:
        return {"Der Strom ist zu klein, um damit einen Widerstand zu errechnen. Geben Sie einen "
                "größeren Strom ein.",
                kCalculationTitle, Icon::Stop};
    case ErrorKind::Overflow:
        return {"Das Ergebnis ist zu groß, um es darzustellen. Prüfen Sie die eingegebenen Werte.",
                kCalculationTitle, Icon::Stop};
    }
    return kUnexpectedError;
}

Message pasteTooLong(std::size_t limit) {
    return {"Der einzufügende Text ist zu lang für dieses Feld. Ein Feld fasst höchstens " +
                std::to_string(limit) +
                " Zeichen; bei mehr stünde das Fenster still. Das Feld bleibt, wie es war.",
            "Einfügen nicht möglich", Icon::Stop};
}

void show(Host& host, const Message& message) {
    host.messageBox(message.prompt, message.title, message.icon);
}

} // namespace kalvoran
