#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Numbers, dates and hours written out in Brazilian Portuguese, as minutes are written.
namespace rodaleque::extenso {

enum class Genero { Masculino, Feminino };

// The cardinal of n, 0 to 99999: "cem", "cento e um", "mil", "mil e um", "dois mil trezentos e
// quarenta e cinco". Feminine where it agrees with a feminine noun: "uma", "duas", "duzentas".
QString cardinal(int n, Genero genero = Genero::Masculino);

// "Aos nove dias do mês de dezembro de dois mil e vinte e seis"; the first day is
// "Ao primeiro dia do mês de ...".
QString data(const QDate& dia);

// "às onze horas e vinte minutos", "à uma hora", "à zero hora e cinco minutos", "às
// vinte e uma horas".
QString hora(const QTime& momento);

} // namespace rodaleque::extenso
