#!/usr/bin/perl
# Reads what sd_vokadlo wrote on its standard output and prints it one reply or event a line,
# each AUDIO event as "705 AUDIO <samples> <peak>" (the largest magnitude) after checking that
# its escaped data decodes to exactly the samples it declares. Exits 1 on a malformed event.
use strict;
use warnings;

local $/;
my $data = <STDIN>;
my $status = 0;
while ($data =~ /\G((?:705-[a-z_]+=\d+\n)+)705-AUDIO\0([^\n]*)\n705 AUDIO\n|\G([^\n]*)\n/gc) {
    if (defined $1) {
        my ($head, $body) = ($1, $2);
        my ($samples) = $head =~ /705-num_samples=(\d+)/;
        my ($bits) = $head =~ /705-bits=(\d+)/;
        $body =~ s/\x7d(.)/chr(ord($1) ^ 0x20)/gse;
        if ($bits != 16 || length($body) != 2 * $samples) {
            print "BAD AUDIO: declares $samples samples, holds " . length($body) . " bytes\n";
            $status = 1;
        }
        my $peak = 0;
        for my $v (unpack('s<*', $body)) {
            $peak = abs($v) if abs($v) > $peak;
        }
        print "705 AUDIO $samples $peak\n";
    } else {
        print "$3\n";
    }
}
exit $status;
