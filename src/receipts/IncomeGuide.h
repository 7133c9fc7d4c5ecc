#pragma once

#include <QString>

// The guide page of the income summary.
namespace IncomeGuide {

inline const QString kTitle = QStringLiteral("App Riepilogo Incassi");
inline const QString kText = QStringLiteral(
    "L'app Riepilogo Incassi consente di ottenere un estratto conto degli importi incassati dalla propria "
    "palestra o altra A.S.D. in un qualsiasi intervallo di tempo utilizzando come filtri di ricerca il nome "
    "del pagatore e/o l'attività sportiva praticata.\n\n"
    "Per ottenere il riepilogo degli incassi percepiti in un certo intervallo di tempo è sufficiente entrare "
    "nell'apposito ambiente di lavoro facendo clic sul pulsante Riepilogo Incassi nella schermata di avvio "
    "del programma, indicare il nome del pagatore e l'attività sportiva unitamente alla data di inizio e a "
    "quella di fine intervallo e premere il pulsante Visualizza riepilogo.\n\n"
    "L'estratto conto che si ottiene mostra l'elenco di tutte le ricevute emesse nell'intervallo "
    "specificato, riportando per ognuna di esse il numero progressivo, la data di emissione, il nome del "
    "pagatore, il tipo di attività sportiva, il periodo in cui tale attività è stata praticata e l'importo "
    "totale versato.\n\n"
    "Per ottenere il riepilogo di tutti gli importi incassati nel lasso di tempo specificato, basta lasciare "
    "in bianco i filtri di ricerca relativi al pagatore e all'attività sportiva. Il riepilogo degli incassi "
    "visualizzato può essere stampato su carta facendo clic sul pulsante Stampa riepilogo.");

} // namespace IncomeGuide
