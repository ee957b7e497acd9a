#pragma once
// The printout of what the export file RankingListe.rlt holds: a title block,
// the column headings, then every entry of every list, in list order.

// Reads the file at RankingFilsti through DBaseRanking and closes it again.
void Print_Rankingliste();
