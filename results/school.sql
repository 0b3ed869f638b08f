-- ZEFRANOL on a school's PostgreSQL server (15 or later): the table of checks and the two
-- group roles. Run once as the database's owner, in the database the pupils' program is
-- given in [school] database=:
--     psql -d zefranol -f school.sql
-- Then one login role per pupil account (or per shared class computer) and per teacher:
--     CREATE ROLE klas5a LOGIN PASSWORD '…' IN ROLE zefranol_leerling;
--     CREATE ROLE juf_sanne LOGIN PASSWORD '…' IN ROLE zefranol_leerkracht;
-- A pupil's account may only add checks, each marked with its own account name, and reads
-- none; a teacher's account reads every check and changes none.

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zefranol_leerling') THEN
        CREATE ROLE zefranol_leerling NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zefranol_leerkracht') THEN
        CREATE ROLE zefranol_leerkracht NOLOGIN;
    END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS zefranol;
REVOKE ALL ON SCHEMA zefranol FROM PUBLIC;
GRANT USAGE ON SCHEMA zefranol TO zefranol_leerling, zefranol_leerkracht;

CREATE TABLE IF NOT EXISTS zefranol.controles (
    id uuid PRIMARY KEY,
    leerling text NOT NULL,
    tijdstip timestamptz NOT NULL,
    scherm text NOT NULL,
    opgave text NOT NULL,
    antwoord text NOT NULL DEFAULT '',
    rij1 text NOT NULL DEFAULT '',
    rij2 text NOT NULL DEFAULT '',
    oordeel text NOT NULL,
    seconden double precision NOT NULL DEFAULT 0,
    fouten text NOT NULL DEFAULT '',
    maler integer NOT NULL DEFAULT 0,
    onthouden integer NOT NULL DEFAULT 0,
    rekenfouten integer NOT NULL DEFAULT 0,
    optelfouten integer NOT NULL DEFAULT 0,
    -- Which login sent it: set by the server, never by the program.
    account text NOT NULL DEFAULT current_user
);
CREATE INDEX IF NOT EXISTS controles_tijd ON zefranol.controles (tijdstip, id);
CREATE INDEX IF NOT EXISTS controles_leerling ON zefranol.controles (leerling, tijdstip);

-- The layout's version, for a later program that must upgrade it.
COMMENT ON TABLE zefranol.controles IS 'zefranol schema 1';

REVOKE ALL ON zefranol.controles FROM PUBLIC;
GRANT INSERT ON zefranol.controles TO zefranol_leerling;
GRANT SELECT ON zefranol.controles TO zefranol_leerkracht;

ALTER TABLE zefranol.controles ENABLE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS eigen_controles ON zefranol.controles;
CREATE POLICY eigen_controles ON zefranol.controles FOR INSERT TO zefranol_leerling
    WITH CHECK (account = current_user);
DROP POLICY IF EXISTS alles_lezen ON zefranol.controles;
CREATE POLICY alles_lezen ON zefranol.controles FOR SELECT TO zefranol_leerkracht USING (true);
