#!/usr/bin/perl
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the string literals in ui/, charts/, explorations/ and analysis/ that look like text
# for the user but bypass the translation, so that English never shows a German leftover.
# Text for the user: a literal with a word of three letters or more, one of them lowercase.
# Translated: a literal in tr(), translate() (QCoreApplication's or analysis/Texte.h's),
# QT_TR_NOOP() or QT_TRANSLATE_NOOP(), with the literals after it in that call.
# Not text for the user, and so left alone:
#   - every literal on a line that ends in the comment  // kein Text
#     (object names, settings and JSON keys, font names and the like);
#   - literals on a line with a call that never reaches the screen (@Aufrufe below);
#   - where such a line leaves a bracket open (a table, a call over several lines), the
#     literals up to the line that closes it;
#   - names, paths and markup, known by their shape (@Formen below).
# Perl, not Python: perl-base is essential in Debian, so the package build has it.
# Usage: pruefen.pl <source folder> [--nur-melden]
#   Exit 1 when it finds one; with --nur-melden (while translations are being made) it only
#   lists them and exits 0.
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));

my ($quellen, $schalter) = @ARGV;
die "usage: pruefen.pl <source folder> [--nur-melden]\n" unless defined $quellen && -d "$quellen/ui";
my $nur_melden = defined $schalter && $schalter eq '--nur-melden';

# Calls whose literals are names for the program, never for the user.
my @Aufrufe = (
    qr/\bsetObjectName\s*\(/, qr/\bobjectName\s*\(\)/, qr/\bfindChild(?:ren)?\s*</,
    qr/\b(?:set)?[pP]roperty\s*\(/, qr/\bQSettings\b/, qr/^\s*#\s*include\b/,
    qr/\bq(?:Debug|Info|Warning|Critical|Fatal)\s*\(/, qr/\bQ_ASSERT(?:_X)?\s*\(/,
    qr/\bQKeySequence\s*\(/, qr/\bsetStyleSheet\s*\(/, qr/\bQ_ARG\s*\(/,
    qr/\b(?:SIGNAL|SLOT)\s*\(/, qr/\bsetApplicationName\s*\(/, qr/\bsetOrganizationName\s*\(/,
    qr/\bsetDesktopFileName\s*\(/, qr/\bQStandardPaths::/, qr/\bsetDefaultSuffix\s*\(/,
    qr/\bQFont\b/, qr/\bsetFamil(?:y|ies)\s*\(/,
    qr/\bKlasse\s*==/,    # the accessibility factories compare class names
);
# Literals that are names, paths, types or markup by their shape.
my @Formen = (
    qr{^(?:qrc)?:/},                       # a resource
    qr{^[a-z]+/[-+.\w]+$},                 # a MIME type
    qr{^\*?\.[A-Za-z0-9]+$},               # a file suffix
    qr{^[^\s/]*_[^\s]*$},                  # an identifier or file name (Edit_n, qtbase_de)
    qr{^[^\s<>]*/[^\s<>]*$},               # a path or settings key (Fenster/, ../share)
    qr{XXXXXX},                            # a temporary file's template
);
my $Uebersetzung = qr/\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP3?)\s*\(\s*$/;

my @funde;
for my $ordner (qw(ui charts explorations analysis)) {
    opendir(my $d, "$quellen/$ordner") or die "$quellen/$ordner: $!\n";
    # Sorted: the same list in the same order on every run.
    for my $name (sort grep { /\.(?:cpp|h)$/ && !/^test_/ } readdir $d) {
        my $pfad = "$ordner/$name";
        open(my $f, '<', "$quellen/$pfad") or die "$pfad: $!\n";
        my @zeilen = <$f>;
        close $f;
        my $text = join('', @zeilen);
        my %frei;    # lines whose literals are left alone
        my $offen = 0;    # brackets a left-alone line left open
        for my $i (0 .. $#zeilen) {
            my $z = $zeilen[$i];
            my $frei = $offen > 0 || $z =~ m{//\s*kein Text\s*$} || grep { $z =~ $_ } @Aufrufe;
            next unless $frei;
            $frei{$i + 1} = 1;
            (my $code = $z) =~ s{"(?:[^"\\]|\\.)*"|'(?:[^'\\]|\\.)*'|//.*}{}g;
            $offen += ($code =~ tr/([{//) - ($code =~ tr/)]}//);
            $offen = 0 if $offen < 0;
        }
        # One pass over the file: comments and character literals are stepped over, string
        # literals collected with what stands between them and the token before.
        my ($zuletzt_uebersetzt, $ende) = (0, 0);
        while ($text =~ m{\G(.*?)(//[^\n]*|/\*.*?\*/|'(?:[^'\\\n]|\\.)*'|R"([^(]*)\((.*?)\)\3"|"((?:[^"\\\n]|\\.)*)")}gs) {
            my ($davor, $token) = ($1, $2);
            my $literal = defined $4 ? $4 : $5;
            my $start = pos($text) - length($token);
            next unless defined $literal;
            my $uebersetzt = $davor =~ $Uebersetzung || ($zuletzt_uebersetzt && $davor =~ /^\s*,?\s*$/);
            $zuletzt_uebersetzt = $uebersetzt;
            next if $uebersetzt;
            my $zeile = 1 + (substr($text, 0, $start) =~ tr/\n//);
            next if $frei{$zeile};
            next if grep { $literal =~ $_ } @Formen;
            (my $sichtbar = $literal) =~ s/<[^>]*>//g;    # markup alone says nothing
            next unless grep { /\p{Ll}/ } $sichtbar =~ /(\p{L}{3,})/g;
            push @funde, "$pfad:$zeile: \"$literal\"";
        }
    }
}

print "$_\n" for @funde;
printf "%d literal(s) look like text for the user outside the translation%s\n", scalar @funde,
    @funde ? ' (mark non-user texts with // kein Text)' : '';
exit(@funde && !$nur_melden ? 1 : 0);
