// The nine language tables, one per file (lang_<language>.cpp); each fills every slot of its language.
#pragma once

#include "lang/language_texts.h"

void FillEnglishTexts(LanguageTexts &t);
void FillSpanishTexts(LanguageTexts &t);
void FillCatalanTexts(LanguageTexts &t);
void FillFrenchTexts(LanguageTexts &t);
void FillDutchTexts(LanguageTexts &t);
void FillGermanTexts(LanguageTexts &t);
void FillPortugueseTexts(LanguageTexts &t);
void FillItalianTexts(LanguageTexts &t);
void FillPolishTexts(LanguageTexts &t);

// The English captions of the variables menu, shared by the tables that do not translate them.
void FillEnglishVariablesMenuTexts(LanguageTexts &t);
