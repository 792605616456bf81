-- Schema of the desktop database "dbzuvo.sqlite": the customer register and the two price lists.
-- Kept to portable SQL so that the same script can create the tables on a shared office server.
-- "Table order" is insertion order (rowid): rows.sql inserts in the order the lists should show.

-- Customer register, read and appended by the quote window.
CREATE TABLE Clienti (
  Nome TEXT,
  Indirizzo TEXT,
  CAP TEXT,
  "Località" TEXT,
  Prov TEXT
);

-- Mezzanine price list (Mordisk, Pellanor). PrList is the unit price written to the quote,
-- Prezzo the purchase cost. Cacc1..Cacc6 name the accessories of one unit, N1..N6 how many
-- of each; a list of accessories ends at the first count that is 0.
CREATE TABLE Listino (
  Codice TEXT,
  Descrizione TEXT,
  Prezzo REAL,
  PrList REAL,
  Cacc1 TEXT,
  Cacc2 TEXT,
  Cacc3 TEXT,
  Cacc4 TEXT,
  Cacc5 TEXT,
  Cacc6 TEXT,
  N1 INTEGER,
  N2 INTEGER,
  N3 INTEGER,
  N4 INTEGER,
  N5 INTEGER,
  N6 INTEGER
);

-- Racking price list (Tavrelo). Prezzo is the unit price, Peso the weight in kg. N6 is also
-- the sort key of the quote rows, so no article lists more than four accessories.
CREATE TABLE ListinoScaff (
  Codice TEXT,
  Descrizione TEXT,
  Prezzo REAL,
  Peso REAL,
  Cacc1 TEXT,
  Cacc2 TEXT,
  Cacc3 TEXT,
  Cacc4 TEXT,
  Cacc5 TEXT,
  Cacc6 TEXT,
  N1 INTEGER,
  N2 INTEGER,
  N3 INTEGER,
  N4 INTEGER,
  N5 INTEGER,
  N6 INTEGER
);
