#include "localisation/builtinmessages.h"

namespace parlora {

QStringList builtInMessages()
{
    return {
        QStringLiteral("Caricamento del dizionario in corso..."),
        QStringLiteral("Ricerca nei dizionari in corso..."),
        QStringLiteral("Ricerca di parole simili in corso..."),
        QStringLiteral("Nessuna traduzione esatta: guarda le parole simili"),
        QStringLiteral("Parola non trovata"),
        QStringLiteral("Dizionario personale"),
        QStringLiteral("Scrivi sia la parola italiana sia la traduzione."),
        QStringLiteral("Le parole non possono superare i 50 caratteri."),
        // 8 to 10 only keep the later messages at their numbers.
        QStringLiteral("(riservato)"),
        QStringLiteral("(riservato)"),
        QStringLiteral("(riservato)"),
        QStringLiteral("È disponibile una nuova versione di Parlora. Fai clic qui sotto per scaricarla."),
        QStringLiteral("Stai già usando la versione più recente di Parlora."),
        QStringLiteral("Parole simili trovate: fai doppio clic su una parola per tradurla"),
        QStringLiteral("Scrivi una parola e premi Invio per tradurla"),
        QStringLiteral("Traduzioni esatte della parola cercata"),
        QStringLiteral("Voci e frasi che contengono la parola cercata"),
        QStringLiteral("Scrivi la parola italiana da aggiungere al dizionario personale"),
        QStringLiteral("Scrivi la traduzione portoghese e premi Invio per aggiungerla"),
        QStringLiteral("Il tuo dizionario personale: premi Canc per cancellare la voce scelta"),
        QStringLiteral("La ricerca di parole simili è spenta: attivala in Strumenti, Opzioni"),
        QStringLiteral("Il dizionario principale non è stato trovato nella cartella dic. Il programma verrà chiuso."),
        QStringLiteral("Ricerca nel frasario in corso..."),
        QStringLiteral("Il dizionario personale non può essere salvato in %1: %2"),
        QStringLiteral("Le opzioni non possono essere salvate in %1: %2"),
        QStringLiteral("Vuoi riprovare, o uscire senza salvare?"),
        QStringLiteral("Esci senza salvare"),
        QStringLiteral("Il dizionario principale %1 non può essere letto: %2. Il programma verrà chiuso."),
        QStringLiteral("Il file %1 non può essere letto (%2) e per ora viene ignorato."),
        QStringLiteral("Il dizionario personale %1 non può essere letto: %2. Il file resta com'è; le parole che aggiungi ora vi saranno unite appena si potrà leggerlo."),
        QStringLiteral("Il dizionario personale non può essere creato in %1: %2. Le parole che aggiungi saranno salvate appena la cartella sarà scrivibile."),
        QStringLiteral("Il file %1 non contiene coppie di parole leggibili. Prima di essere sostituito sarà conservato come %2."),
        QStringLiteral("Il controllo degli aggiornamenti non è disponibile in questa versione del programma."),
        QStringLiteral("Controllo degli aggiornamenti in corso..."),
        QStringLiteral("Non è stato possibile controllare gli aggiornamenti: %1"),
        QStringLiteral("Il carattere \"%1\" non può essere salvato nel dizionario personale."),
        QStringLiteral("Un ritorno a capo non può essere salvato nel dizionario personale."),
        QStringLiteral("%1 » %2"),
        QStringLiteral("Nessuna voce per \"%1\": ecco le traduzioni della sua forma di base"),
        QStringLiteral("Cerca le forme di base"),
        QStringLiteral("Per una parola flessa (parliamo, uomini) mostra le traduzioni della sua forma di base (parlare, uomo)"),
    };
}

} // namespace parlora
