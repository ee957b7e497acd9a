#pragma once
// What the benchmarks set up alike: a scratch folder removed at exit and a
// tournament database with the tables a new file gets.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace benchbase {

// The tables made: all five, or without the two ranking tables.
enum class Tabeller { Alle, UtenRanking };

// Makes <temp>/kd-bench-<navn>-<pid> and removes it with everything in it when the program ends.
std::string Mappe(const std::string& navn);

// Creates the database at sti, leaves it open in DBase and makes its tables.
void LagTurneringsbase(const std::string& sti, Tabeller tabeller = Tabeller::Alle);

// Points Arbeidsomrade and Databasenavn at mappe/Turnering.KVX and makes that database.
void ApneNyTurnering(const std::string& mappe, Tabeller tabeller = Tabeller::Alle);

// Opens (DBase, Databasenavn, Arbeidsomrade) the tournament database kept for this name and
// size, made with its tables and filled by fyll the first time it is asked for.
void ApneTurnering(const std::string& navn, int storrelse, const std::function<void()>& fyll);

// Runs fyll inside one transaction of the default workspace, so that large fills stay quick.
void IEnTransaksjon(const std::function<void()>& fyll);

// The process's peak resident memory from now on: NyMinnetopp starts a new peak at what
// is resident now, Minnetopp reads it in MB (Linux: /proc/self/clear_refs and VmHWM), and
// how far it rose above what was resident at the start.
struct Topp {
    double mb, okningMb;
};
void NyMinnetopp();
Topp Minnetopp();
// Both as the counters topp_MB and okning_MB.
void MerkMinnetopp(benchmark::State& s);

} // namespace benchbase
