#ifndef LISTENBEFUND_H
#define LISTENBEFUND_H

#include <QString>

// One problem that the list checker found in a data file.
struct ListenBefund
{
    // Path of the file (or folder) concerned.
    QString datei;
    // Line counted from 1; 0 for the file as a whole.
    int zeile = 0;
    // A German sentence: what is wrong and what the program does with it.
    QString text;
};

#endif // LISTENBEFUND_H
