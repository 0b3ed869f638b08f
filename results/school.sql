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
-- The first layout's way to the teacher's overview; the day sums below took its place.
DROP INDEX IF EXISTS zefranol.controles_overzicht;

-- Sums per pupil and UTC day, kept by the server as each check arrives, so that the teacher's
-- overview of a school year counts day rows instead of every check. Columns as the local
-- file's: exercises judged, right, drills, wrong ones with a carry forgotten, a table or
-- adding slip, a slip in the sum; per digit 0..9 of the multiplier how often it was used (g)
-- and how often its work went wrong (f); the latest check of the day.
BEGIN;
-- No check may arrive between filling the sums and the trigger that keeps them.
LOCK TABLE zefranol.controles IN SHARE ROW EXCLUSIVE MODE;

-- What one check adds to its day. A one-digit multiplication goes wrong with its digit by its
-- verdict, a two-digit one per row; a slip in the sum is no table's fault.
CREATE OR REPLACE FUNCTION zefranol.per_dag_van(c_leerling text, c_tijdstip timestamptz, c_oordeel text,
    c_maler integer, c_fouten text, c_onthouden integer, c_rekenfouten integer, c_optelfouten integer,
    OUT leerling text, OUT dag date, OUT gedaan int, OUT goed int, OUT oefeningen int, OUT onthouden int,
    OUT reken int, OUT optel int, OUT g int[], OUT f int[], OUT laatst timestamptz)
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    u int := (c_oordeel IN ('goed', 'fout'))::int;
    w int := (c_oordeel = 'fout')::int;
    a int := -1;
    b int := -1;
    wa int := 0;
    wb int := 0;
BEGIN
    IF c_maler BETWEEN 0 AND 9 THEN
        a := c_maler;
        wa := w;
    ELSIF c_maler BETWEEN 10 AND 99 THEN
        a := c_maler % 10;
        b := c_maler / 10;
        wa := w * (c_fouten LIKE '%rij1.%')::int;
        wb := w * (c_fouten LIKE '%rij2.%')::int;
    END IF;
    leerling := c_leerling;
    dag := (c_tijdstip AT TIME ZONE 'UTC')::date;
    gedaan := u;
    goed := (c_oordeel = 'goed')::int;
    oefeningen := 1 - u;
    onthouden := w * (c_onthouden > 0)::int;
    reken := w * (c_rekenfouten > 0)::int;
    optel := w * (c_optelfouten > 0)::int;
    g := ARRAY[u * ((a = 0)::int + (b = 0)::int),
        u * ((a = 1)::int + (b = 1)::int),
        u * ((a = 2)::int + (b = 2)::int),
        u * ((a = 3)::int + (b = 3)::int),
        u * ((a = 4)::int + (b = 4)::int),
        u * ((a = 5)::int + (b = 5)::int),
        u * ((a = 6)::int + (b = 6)::int),
        u * ((a = 7)::int + (b = 7)::int),
        u * ((a = 8)::int + (b = 8)::int),
        u * ((a = 9)::int + (b = 9)::int)];
    f := ARRAY[wa * (a = 0)::int + wb * (b = 0)::int,
        wa * (a = 1)::int + wb * (b = 1)::int,
        wa * (a = 2)::int + wb * (b = 2)::int,
        wa * (a = 3)::int + wb * (b = 3)::int,
        wa * (a = 4)::int + wb * (b = 4)::int,
        wa * (a = 5)::int + wb * (b = 5)::int,
        wa * (a = 6)::int + wb * (b = 6)::int,
        wa * (a = 7)::int + wb * (b = 7)::int,
        wa * (a = 8)::int + wb * (b = 8)::int,
        wa * (a = 9)::int + wb * (b = 9)::int];
    laatst := c_tijdstip;
END
$$;

-- Adds the checks of a relation (the table, or a statement's new rows) to their days, in
-- the order of the days' keys, so that two statements lock shared days alike.
CREATE OR REPLACE FUNCTION zefranol.per_dag_sql(bron text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
SELECT format($q$
    INSERT INTO zefranol.controles_per_dag AS s
    SELECT p.leerling, p.dag,
        sum(p.gedaan), sum(p.goed), sum(p.oefeningen), sum(p.onthouden), sum(p.reken), sum(p.optel),
        sum(p.g[1]), sum(p.g[2]), sum(p.g[3]), sum(p.g[4]), sum(p.g[5]), sum(p.g[6]), sum(p.g[7]),
        sum(p.g[8]), sum(p.g[9]), sum(p.g[10]), sum(p.f[1]), sum(p.f[2]), sum(p.f[3]), sum(p.f[4]),
        sum(p.f[5]), sum(p.f[6]), sum(p.f[7]), sum(p.f[8]), sum(p.f[9]), sum(p.f[10]),
        max(p.laatst)
    FROM %s c, zefranol.per_dag_van(c.leerling, c.tijdstip, c.oordeel, c.maler, c.fouten, c.onthouden,
        c.rekenfouten, c.optelfouten) p
    GROUP BY p.leerling, p.dag ORDER BY p.leerling, p.dag
    ON CONFLICT (leerling, dag) DO UPDATE SET
        gedaan = s.gedaan + excluded.gedaan,
        goed = s.goed + excluded.goed,
        oefeningen = s.oefeningen + excluded.oefeningen,
        onthouden = s.onthouden + excluded.onthouden,
        reken = s.reken + excluded.reken,
        optel = s.optel + excluded.optel,
        g0 = s.g0 + excluded.g0,
        g1 = s.g1 + excluded.g1,
        g2 = s.g2 + excluded.g2,
        g3 = s.g3 + excluded.g3,
        g4 = s.g4 + excluded.g4,
        g5 = s.g5 + excluded.g5,
        g6 = s.g6 + excluded.g6,
        g7 = s.g7 + excluded.g7,
        g8 = s.g8 + excluded.g8,
        g9 = s.g9 + excluded.g9,
        f0 = s.f0 + excluded.f0,
        f1 = s.f1 + excluded.f1,
        f2 = s.f2 + excluded.f2,
        f3 = s.f3 + excluded.f3,
        f4 = s.f4 + excluded.f4,
        f5 = s.f5 + excluded.f5,
        f6 = s.f6 + excluded.f6,
        f7 = s.f7 + excluded.f7,
        f8 = s.f8 + excluded.f8,
        f9 = s.f9 + excluded.f9,
        laatst = greatest(s.laatst, excluded.laatst)$q$, bron)
$$;

DO $$
BEGIN
    IF to_regclass('zefranol.controles_per_dag') IS NULL THEN
        CREATE TABLE zefranol.controles_per_dag (
            leerling text NOT NULL,
            dag date NOT NULL,
            gedaan integer NOT NULL DEFAULT 0,
            goed integer NOT NULL DEFAULT 0,
            oefeningen integer NOT NULL DEFAULT 0,
            onthouden integer NOT NULL DEFAULT 0,
            reken integer NOT NULL DEFAULT 0,
            optel integer NOT NULL DEFAULT 0,
            g0 integer NOT NULL DEFAULT 0,
            g1 integer NOT NULL DEFAULT 0,
            g2 integer NOT NULL DEFAULT 0,
            g3 integer NOT NULL DEFAULT 0,
            g4 integer NOT NULL DEFAULT 0,
            g5 integer NOT NULL DEFAULT 0,
            g6 integer NOT NULL DEFAULT 0,
            g7 integer NOT NULL DEFAULT 0,
            g8 integer NOT NULL DEFAULT 0,
            g9 integer NOT NULL DEFAULT 0,
            f0 integer NOT NULL DEFAULT 0,
            f1 integer NOT NULL DEFAULT 0,
            f2 integer NOT NULL DEFAULT 0,
            f3 integer NOT NULL DEFAULT 0,
            f4 integer NOT NULL DEFAULT 0,
            f5 integer NOT NULL DEFAULT 0,
            f6 integer NOT NULL DEFAULT 0,
            f7 integer NOT NULL DEFAULT 0,
            f8 integer NOT NULL DEFAULT 0,
            f9 integer NOT NULL DEFAULT 0,
            laatst timestamptz NOT NULL,
            PRIMARY KEY (leerling, dag)
        );
        EXECUTE zefranol.per_dag_sql('zefranol.controles');
    END IF;
END
$$;

-- Once per statement, so that a copy of many checks adds each day once. Runs as the schema's
-- owner: a pupil's account adds to the sums through its checks only.
CREATE OR REPLACE FUNCTION zefranol.per_dag_bijhouden() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    EXECUTE zefranol.per_dag_sql('nieuw');
    RETURN NULL;
END
$$;
REVOKE ALL ON FUNCTION zefranol.per_dag_bijhouden() FROM PUBLIC;

-- An id already there adds no row: a check counts once.
DROP TRIGGER IF EXISTS per_dag_bijhouden ON zefranol.controles;
CREATE TRIGGER per_dag_bijhouden AFTER INSERT ON zefranol.controles REFERENCING NEW TABLE AS nieuw
    FOR EACH STATEMENT EXECUTE FUNCTION zefranol.per_dag_bijhouden();

REVOKE ALL ON zefranol.controles_per_dag FROM PUBLIC;
GRANT SELECT ON zefranol.controles_per_dag TO zefranol_leerkracht;

-- The layout's version, for a later program that must upgrade it.
COMMENT ON TABLE zefranol.controles IS 'zefranol schema 2';
COMMIT;

REVOKE ALL ON zefranol.controles FROM PUBLIC;
GRANT INSERT ON zefranol.controles TO zefranol_leerling;
GRANT SELECT ON zefranol.controles TO zefranol_leerkracht;

ALTER TABLE zefranol.controles ENABLE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS eigen_controles ON zefranol.controles;
CREATE POLICY eigen_controles ON zefranol.controles FOR INSERT TO zefranol_leerling
    WITH CHECK (account = current_user);
DROP POLICY IF EXISTS alles_lezen ON zefranol.controles;
CREATE POLICY alles_lezen ON zefranol.controles FOR SELECT TO zefranol_leerkracht USING (true);
