-- The text saver's parameter database, "<program file name>.db" beside the saver program: numbered
-- parameters "P1", "P2", ... as texts of any length.
CREATE TABLE pram_list (
    pram_id TEXT PRIMARY KEY,
    pram_value TEXT
);
