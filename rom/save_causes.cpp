#include "rom/save_causes.h"

#include <string_view>

#include "eggmoves/table.h"

namespace {

const std::string Nothing = " Nothing was written.";
const std::string Rien = " Rien n'a été écrit.";

// The system's reason as the end of a sentence: a browser's often ends with its own stop.
std::string Sentence(std::string_view reason) {
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' '))
        reason.remove_suffix(1);
    return std::string(reason) + ".";
}

}  // namespace

Words SaveCauseWords(SaveCause cause, const std::string& file, const std::string& reason) {
    switch (cause) {
        case SaveCause::None:
            break;
        case SaveCause::NothingLoaded:
            return {"There is no complete egg move list to save: open a rom first." + Nothing,
                    "Il n'y a pas de liste complète des attaques des oeufs à sauvegarder : ouvrez "
                    "d'abord une rom." +
                        Rien};
        case SaveCause::ForeignTable:
            return {"The game in " + file +
                        " reads an egg move list of another size or at another place, so "
                        "Quenmark never changes it." +
                        Nothing,
                    "Le jeu de " + file +
                        " lit une liste des attaques des oeufs d'une autre taille ou à un autre "
                        "endroit, donc Quenmark ne la modifie jamais." +
                        Rien};
        case SaveCause::FileGone:
            return {file + " no longer exists." + Nothing, file + " n'existe plus." + Rien};
        case SaveCause::CannotWrite:
            return {file + " cannot be written: " + Sentence(reason) + Nothing,
                    file + " ne peut pas être écrit : " + Sentence(reason) + Rien};
        case SaveCause::OtherGame:
            return {file + " is now another game, or another version of it." + Nothing,
                    file + " est maintenant un autre jeu, ou une autre version." + Rien};
        case SaveCause::TableMoved:
            return {"Another tool has moved or resized the egg move list of " + file +
                        " since it was opened." + Nothing,
                    "Un autre outil a déplacé ou redimensionné la liste des attaques des oeufs "
                    "de " +
                        file + " depuis son ouverture." + Rien};
        case SaveCause::CutShort:
            return {file + " ends inside its egg move list." + Nothing,
                    file + " se termine au milieu de sa liste des attaques des oeufs." + Rien};
        case SaveCause::ChangedOnDisk:
            return {file +
                        " was changed by another program since it was opened. Its egg move list "
                        "there is not the one you opened.",
                    file +
                        " a été modifié par un autre programme depuis son ouverture. Sa liste "
                        "des attaques des oeufs n'est plus celle que vous avez ouverte."};
        case SaveCause::CannotMove:
            return {"The egg move list of " + file +
                        " cannot be enlarged: where its game points at the list is not known "
                        "for this version, or not in this file." +
                        Nothing,
                    "La liste des attaques des oeufs de " + file +
                        " ne peut pas être agrandie : l'endroit où son jeu la cherche n'est pas "
                        "connu pour cette version, ou pas dans ce fichier." +
                        Rien};
        case SaveCause::NoRoom:
            return {"There is no free space in " + file +
                        " (bytes that are all 0xFF) for a larger egg move list." + Nothing,
                    "Il n'y a pas d'espace libre dans " + file +
                        " (des octets tous à 0xFF) pour une liste des attaques des oeufs plus "
                        "grande." +
                        Rien};
        case SaveCause::PlaceTaken:
            return {
                "The place asked for is not 4-aligned free space (bytes all 0xFF) for the "
                "whole egg move list and its terminator." +
                    Nothing,
                "L'endroit demandé n'est pas un espace libre aligné sur 4 octets (des octets "
                "tous à 0xFF) pour toute la liste des attaques des oeufs et sa fin." +
                    Rien};
        case SaveCause::TooLarge:
            return {"An egg move list holds at most " + std::to_string(MaxEntryCount) +
                        " entries." + Nothing,
                    "Une liste des attaques des oeufs contient au plus " +
                        std::to_string(MaxEntryCount) + " entrées." + Rien};
        case SaveCause::SameFile:
            return {"A copy cannot replace the rom itself: choose another name." + Nothing,
                    "Une copie ne peut pas remplacer la rom elle-même : choisissez un autre "
                    "nom." +
                        Rien};
    }
    return {};
}
