#!/usr/bin/perl
# A Speech Dispatcher client over SSIP, as a screen reader speaks to the server, for the private
# server test: runs the steps given as arguments and prints every event the server sends, one a
# line ("BEGIN", "INDEX MARK <name>", "PAUSED", "RESUMED", "END" ...). Exits 1 when a step fails.
#   ssip.pl SOCKET STEP...
# Steps: "ssml" (SSML mode on), "speak TEXT", "pause", "resume", "sleep SECONDS",
# "wait EVENT [SECONDS]" (until that event came; 20 s by default).
use strict;
use warnings;
use IO::Socket::UNIX;
use IO::Select;
use Time::HiRes qw(time);

my ($path, @steps) = @ARGV;
my $s = IO::Socket::UNIX->new(Type => SOCK_STREAM, Peer => $path) or die "connect $path: $!\n";
$s->autoflush(1);
my $select = IO::Select->new($s);
my $buffer = '';
my @block;
my %seen;

# One line from the server, or undef when none came before `deadline`.
sub read_line {
    my ($deadline) = @_;
    while ($buffer !~ /\r?\n/) {
        my $left = $deadline - time;
        return undef if $left <= 0 || !$select->can_read($left);
        my $n = sysread($s, $buffer, 65536, length $buffer);
        die "the server closed the connection\n" unless $n;
    }
    $buffer =~ s/^(.*?)\r?\n//;
    return $1;
}

# Reads replies and events until a reply (not an event) ends; events are printed as they come.
# With `until`, returns "event" as soon as an event of that code came.
sub read_reply {
    my ($deadline, $until) = @_;
    while (defined(my $line = read_line($deadline))) {
        push @block, $line;
        next unless $line =~ /^(\d{3}) (.*)$/;
        my ($code, $text) = ($1, $2);
        my @lines = @block;
        @block = ();
        if ($code =~ /^7/) {
            my $event = $text;
            $event .= ' ' . substr($lines[2], 4) if $code eq '700' && @lines > 3;
            print "$event\n";
            $seen{$code}++;
            return 'event' if defined $until && $code eq $until;
            next;
        }
        return "$code $text";
    }
    return undef;
}

sub command {
    my ($line) = @_;
    print $s "$line\r\n";
    my $reply = read_reply(time + 10);
    die "no reply to '$line'\n" unless defined $reply;
    die "'$line' refused: $reply\n" unless $reply =~ /^2/;
    return $reply;
}

command("SET SELF CLIENT_NAME vokadlo:test:main");
command("SET SELF NOTIFICATION ALL on");
for my $step (@steps) {
    if ($step eq 'ssml') {
        command("SET SELF SSML_MODE on");
    } elsif ($step =~ /^speak (.*)$/s) {
        command("SPEAK");
        my $text = join("\r\n", map { /^\./ ? ".$_" : $_ } split(/\n/, $1));
        command("$text\r\n.");
    } elsif ($step eq 'pause') {
        command("PAUSE SELF");
    } elsif ($step eq 'resume') {
        command("RESUME SELF");
    } elsif ($step =~ /^sleep ([\d.]+)$/) {
        my $end = time + $1;
        read_reply($end) while time < $end;
    } elsif ($step =~ /^wait (\d{3})(?: ([\d.]+))?$/) {
        my ($code, $deadline) = ($1, time + ($2 // 20));
        until ($seen{$code}) {
            defined read_reply($deadline, $code) or die "no event $code\n";
        }
        $seen{$code} = 0;
    } else {
        die "unknown step '$step'\n";
    }
}
print $s "QUIT\r\n";
