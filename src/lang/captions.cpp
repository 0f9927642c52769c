#include "lang/captions.h"

Captions::Captions(QMainWindow* window, Form1Controls& ui, LanguageTable& lang, OperationLog& log)
    : window_(window), ui_(ui), lang_(lang), log_(log) {}

void Captions::applyLang() {}
