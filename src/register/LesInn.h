#pragma once
// Appends every referee of the database at Filsti to the register of the open
// database, which must still be empty, and stamps it; all in one transaction.
void Les_Inn_Dommerbase();
